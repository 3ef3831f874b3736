#include "controls.h"

#include "application.h"
#include "forms.h"
#include "qt_bridge.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPaintEvent>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>

// --- TControl ----------------------------------------------------------------

TControl::TControl(TForm* owner, QWidget* widget) : widget_(widget)
{
    if (owner)
        widget->setParent(owner->Client());
    widget->show();
}

TControl::~TControl() { delete widget_.data(); }

int TControl::Left() const { return widget_->x(); }
int TControl::Top() const { return widget_->y(); }
int TControl::Width() const { return widget_->width(); }
int TControl::Height() const { return widget_->height(); }

void TControl::SetBounds(int left, int top, int width, int height)
{
    widget_->setGeometry(left, top, width, height);
}

void TControl::SetWidth(int width) { widget_->resize(width, widget_->height()); }
void TControl::SetHeight(int height) { widget_->resize(widget_->width(), height); }

bool TControl::Visible() const { return !widget_->isHidden(); }
void TControl::SetVisible(bool visible) { widget_->setVisible(visible); }

void TControl::SetFont(const TFont& font)
{
    widget_->setFont(ToQFont(font, FontRendering::Smooth));
    if (font.Color != clWindowText) {
        QPalette palette = widget_->palette();
        palette.setColor(QPalette::WindowText, ToQColor(font.Color));
        palette.setColor(QPalette::Text, ToQColor(font.Color));
        widget_->setPalette(palette);
    }
}

bool TControl::Focused() const { return widget_->hasFocus(); }
void TControl::SetFocus() { widget_->setFocus(Qt::OtherFocusReason); }

// --- TButton -----------------------------------------------------------------

TButton::TButton(TForm* owner) : TControl(owner, new QPushButton), button_(static_cast<QPushButton*>(widget_.data()))
{
    button_->setFocusPolicy(Qt::StrongFocus);
    button_->setAutoDefault(false);
    QObject::connect(button_, &QPushButton::clicked, [this] {
        if (OnClick)
            InvokeHandler([this] { OnClick(this); });
    });
}

std::string TButton::Caption() const { return button_->text().toStdString(); }
void TButton::SetCaption(const std::string& caption) { button_->setText(QString::fromStdString(caption)); }
void TButton::Click() { button_->click(); }

// --- TLabel ------------------------------------------------------------------

TLabel::TLabel(TForm* owner) : TControl(owner, new QLabel), label_(static_cast<QLabel*>(widget_.data()))
{
    label_->setTextFormat(Qt::PlainText);
    label_->setAutoFillBackground(true);
    label_->setContentsMargins(0, 0, 0, 0);
}

std::string TLabel::Caption() const { return label_->text().toStdString(); }

void TLabel::SetCaption(const std::string& caption)
{
    label_->setText(QString::fromStdString(caption));
    label_->adjustSize();
}

void TLabel::SetFont(const TFont& font)
{
    TControl::SetFont(font);
    label_->adjustSize();
}

// --- TEdit -------------------------------------------------------------------

TEdit::TEdit(TForm* owner) : TControl(owner, new QLineEdit), edit_(static_cast<QLineEdit*>(widget_.data())) {}

std::string TEdit::Text() const { return edit_->text().toStdString(); }
void TEdit::SetText(const std::string& text) { edit_->setText(QString::fromStdString(text)); }

void TEdit::SetTabStop(bool tabStop) { edit_->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus); }

// --- TUpDown -----------------------------------------------------------------

namespace {

// Reads a whole number the way a person types one: surrounding spaces and
// full-width digits or signs are fine; a number beyond any range saturates.
// Returns false for text that is no number at all.
bool ParseTypedNumber(const QString& typed, long long& value)
{
    const QString text = typed.normalized(QString::NormalizationForm_KC).trimmed();
    int at = 0;
    bool negative = false;
    if (at < text.size() && (text[at] == u'+' || text[at] == u'-')) {
        negative = text[at] == u'-';
        ++at;
    }
    if (at == text.size())
        return false;
    long long magnitude = 0;
    for (; at < text.size(); ++at) {
        const QChar c = text[at];
        if (c < u'0' || c > u'9')
            return false;
        magnitude = std::min<long long>(magnitude * 10 + (c.unicode() - u'0'), INT_MAX);
    }
    value = negative ? -magnitude : magnitude;
    return true;
}

} // namespace

// Watches the bound edit box: the up and down keys step the position, and
// what the player types is taken as they type it.
class TUpDown::Buddy : public QObject {
public:
    explicit Buddy(TUpDown& owner) : owner_(owner) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Up || key == Qt::Key_Down) {
                owner_.Step(key == Qt::Key_Up ? 1 : -1);
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    TUpDown& owner_;
};

TUpDown::TUpDown(TForm* owner) : TControl(owner, new QWidget)
{
    auto* layout = new QVBoxLayout(widget_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (int delta : {1, -1}) {
        auto* arrow = new QToolButton(widget_);
        arrow->setArrowType(delta > 0 ? Qt::UpArrow : Qt::DownArrow);
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setAutoRepeat(true);
        arrow->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        QObject::connect(arrow, &QToolButton::clicked, [this, delta] { Step(delta); });
        layout->addWidget(arrow);
    }
    widget_->setFocusPolicy(Qt::NoFocus);
}

TUpDown::~TUpDown() { delete buddy_; }

void TUpDown::SetAssociate(TEdit* edit)
{
    associate_ = edit;
    buddy_ = new Buddy(*this);
    QLineEdit* line = edit->LineEdit();
    line->installEventFilter(buddy_);
    QObject::connect(line, &QLineEdit::textEdited, buddy_, [this] { TakeTypedText(); });
    QObject::connect(line, &QLineEdit::editingFinished, buddy_, [this] { ShowPosition(); });
    // The arrows sit against the right edge of the box.
    SetBounds(edit->Left() + edit->Width(), edit->Top(), Width(), edit->Height());
    ShowPosition();
}

void TUpDown::SetRange(int min, int max)
{
    min_ = min;
    max_ = max;
    SetPosition(position_);
}

void TUpDown::SetPosition(int position)
{
    position_ = std::clamp(position, min_, max_);
    ShowPosition();
}

void TUpDown::Step(int delta)
{
    TakeTypedText();
    SetPosition(position_ + delta);
}

void TUpDown::TakeTypedText()
{
    long long typed = 0;
    if (associate_ && ParseTypedNumber(associate_->LineEdit()->text(), typed))
        position_ = int(std::clamp<long long>(typed, min_, max_));
}

void TUpDown::ShowPosition()
{
    if (!associate_)
        return;
    const QString shown = QString::number(position_);
    if (associate_->LineEdit()->text() != shown)
        associate_->LineEdit()->setText(shown);
}

// --- TImage ------------------------------------------------------------------

namespace {

long long paintedArea = 0;

class ImageWidget : public QWidget {
public:
    // The widget paints every pixel itself, so Qt does not paint the form's
    // background under it first.
    explicit ImageWidget(TPicture& picture) : picture_(picture)
    {
        setAttribute(Qt::WA_StaticContents);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        const QImage* image = picture_.Empty() ? nullptr : &picture_.Bitmap().Image();
        for (const QRect& r : event->region()) {
            const QRect shown = image ? r.intersected(image->rect()) : QRect();
            if (!shown.isEmpty()) {
                painter.drawImage(shown, *image, shown);
                paintedArea += (long long)shown.width() * shown.height();
            }
            // Outside the picture the form's colour shows, as through a hole.
            for (const QRect& rest : QRegion(r).subtracted(shown))
                painter.fillRect(rest, palette().color(QPalette::Window));
        }
    }

private:
    TPicture& picture_;
};

} // namespace

TImage::TImage(TForm* owner) : TControl(owner, new ImageWidget(Picture))
{
    Picture.SetListener([widget = widget_](const TRect& r) {
        if (widget)
            widget->update(r.Left, r.Top, r.Width(), r.Height());
    });
}

TCanvas& TImage::Canvas()
{
    if (Picture.Empty())
        Picture.Bitmap().SetSize(Width(), Height());
    return Picture.Bitmap().Canvas();
}

long long TImage::PaintedArea() { return paintedArea; }
void TImage::ResetPaintedArea() { paintedArea = 0; }
