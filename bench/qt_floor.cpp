// The floor that Qt sets: a plain Qt Widgets window the size of the game's,
// with a label, a button, an edit box and a 360 x 480 image, laid out where
// the game has its own. Clicking the button starts the same work a game at
// the typed speed does: a timer of 550 - speed ms moves a piece of two
// 29 x 29 cells, one above the other, up one row, and j / l move it
// sideways; each move blanks its two cells and paints two, as the game's do.
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace {

constexpr int Pitch = 30;
constexpr int Side = 29;
const QColor Board(70, 0, 0);   // the game's RGB(0, 0, 70) written as 0x00BBGGRR

class Image : public QWidget {
public:
    explicit Image(QWidget* parent) : QWidget(parent), image_(360, 480, QImage::Format_RGB32)
    {
        setAttribute(Qt::WA_StaticContents);
        image_.fill(Board);
    }

    void MovePiece(int dx, int dy)
    {
        const int x = (x_ + dx + 12) % 12;
        const int y = (y_ + dy + 15) % 15;
        Fill(x_, y_, Board);
        Fill(x_, y_ + 1, Board);
        x_ = x;
        y_ = y;
        Fill(x_, y_, Qt::yellow);
        Fill(x_, y_ + 1, Qt::yellow);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        for (const QRect& r : event->region())
            painter.drawImage(r, image_, r);
    }

private:
    void Fill(int x, int y, const QColor& colour)
    {
        const QRect cell(x * Pitch, y * Pitch, Side, Side);
        QPainter(&image_).fillRect(cell, colour);
        update(cell);
    }

    QImage image_;
    int x_ = 6;
    int y_ = 14;
};

class Window : public QWidget {
public:
    Window()
    {
        setWindowTitle("Qt floor");
        auto* label = new QLabel("Qt floor", this);
        label->setGeometry(472, 16, 272, 33);
        auto* button = new QPushButton("Start", this);
        button->setGeometry(408, 72, 113, 33);
        speed_ = new QLineEdit("200", this);
        speed_->setGeometry(624, 472, 40, 24);
        image_ = new Image(this);
        image_->setGeometry(25, 24, 360, 480);
        timer_.setTimerType(Qt::PreciseTimer);
        connect(&timer_, &QTimer::timeout, this, [this] { image_->MovePiece(0, -1); });
        connect(button, &QPushButton::clicked, this, [this] {
            timer_.start(550 - std::clamp(speed_->text().toInt(), 50, 500));
            setFocus();
        });
        // The game's outer 843 x 562 less its frame: the same client area.
        setGeometry(150, 110, 835, 528);
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (!timer_.isActive())
            return QWidget::keyPressEvent(event);
        if (event->key() == Qt::Key_J)
            image_->MovePiece(-1, 0);
        else if (event->key() == Qt::Key_L)
            image_->MovePiece(1, 0);
    }

private:
    QLineEdit* speed_;
    Image* image_;
    QTimer timer_;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Window window;
    window.show();
    return app.exec();
}
