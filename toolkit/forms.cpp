#include "forms.h"

#include "application.h"
#include "controls.h"
#include "qt_bridge.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScrollArea>

// Installed on the application, so it sees key presses before any widget
// does. Events travel from the focused widget up to its parents; only the
// first delivery, the one to the focused widget (or to the window when
// nothing has the focus), counts as the character being typed.
class TForm::KeyPreviewFilter : public QObject {
public:
    explicit KeyPreviewFilter(TForm& form) : form_(form) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || !form_.KeyPreview || !watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->window() != form_.Window())
            return false;
        QWidget* focus = QApplication::focusWidget();
        if (widget != (focus ? focus : form_.Window()))
            return false;
        const QString text = static_cast<QKeyEvent*>(event)->text();
        for (char32_t c : text.toUcs4()) {
            if (c >= 0x20 && c != 0x7f)
                form_.PreviewCharacter(c);
        }
        return false;
    }

private:
    TForm& form_;
};

TForm::TForm(TApplication*)
    : window_(new QScrollArea), client_(new QWidget), filter_(std::make_unique<KeyPreviewFilter>(*this))
{
    window_->setFrameShape(QFrame::NoFrame);
    window_->setWidgetResizable(true);
    window_->setFocusPolicy(Qt::NoFocus);
    window_->setWidget(client_);
    window_->setAttribute(Qt::WA_QuitOnClose, true);
    client_->setAutoFillBackground(true);
    if (qApp)
        qApp->installEventFilter(filter_.get());
}

TForm::~TForm()
{
    if (qApp)
        qApp->removeEventFilter(filter_.get());
    delete window_.data();
}

void TForm::SetBounds(int left, int top, int outerWidth, int outerHeight)
{
    const int width = outerWidth - 2 * FrameBorder;
    const int height = outerHeight - 2 * FrameBorder - FrameCaption;
    // Scroll bars appear once the window is smaller than the layout.
    client_->setMinimumSize(width, height);
    window_->resize(width, height);
    window_->move(left, top);
}

int TForm::ClientWidth() const { return client_->width(); }
int TForm::ClientHeight() const { return client_->height(); }

std::string TForm::Caption() const { return window_->windowTitle().toStdString(); }
void TForm::SetCaption(const std::string& caption) { window_->setWindowTitle(QString::fromStdString(caption)); }

void TForm::SetColor(TColor colour)
{
    QPalette palette = client_->palette();
    palette.setColor(QPalette::Window, ToQColor(colour));
    client_->setPalette(palette);
    window_->setPalette(palette);
}

void TForm::SetFont(const TFont& font)
{
    font_ = font;
    client_->setFont(ToQFont(font, FontRendering::Smooth));
}

void TForm::SetTabOrder(std::initializer_list<TControl*> controls)
{
    const TControl* previous = nullptr;
    for (const TControl* control : controls) {
        if (previous)
            QWidget::setTabOrder(previous->Widget(), control->Widget());
        previous = control;
    }
}

void TForm::Show()
{
    window_->show();
}

void TForm::Close()
{
    if (window_)
        window_->close();
}

void TForm::PreviewCharacter(char32_t key)
{
    if (!OnKeyPress)
        return;
    InvokeHandler([this, key] {
        char32_t typed = key;
        OnKeyPress(this, typed);
    });
}

QWidget* TForm::Window() const { return window_; }
