// The controls a form holds: push buttons, labels, edit boxes, up-downs and
// image controls. Each wraps one Qt widget, a child of its form's client area.
#pragma once

#include "graphics.h"
#include "types.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
class TForm;

using TNotifyEvent = std::function<void(TObject* sender)>;

class TControl : public TObject {
public:
    ~TControl() override;
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetBounds(int left, int top, int width, int height);
    void SetWidth(int width);
    void SetHeight(int height);
    bool Visible() const;
    void SetVisible(bool visible);
    // A font of the control's own; without one it uses its form's.
    void SetFont(const TFont& font);
    bool Focused() const;
    void SetFocus();

    QWidget* Widget() const { return widget_; }

protected:
    TControl(TForm* owner, QWidget* widget);

    QPointer<QWidget> widget_;
};

class TButton : public TControl {
public:
    explicit TButton(TForm* owner);
    std::string Caption() const;
    void SetCaption(const std::string& caption);
    // Clicks the button as a mouse click or the keyboard would.
    void Click();

    TNotifyEvent OnClick;

private:
    QPushButton* button_;
};

// A label sizes itself to its text and paints an opaque background in its
// form's colour.
class TLabel : public TControl {
public:
    explicit TLabel(TForm* owner);
    std::string Caption() const;
    void SetCaption(const std::string& caption);
    void SetFont(const TFont& font);

private:
    QLabel* label_;
};

class TEdit : public TControl {
public:
    explicit TEdit(TForm* owner);
    std::string Text() const;
    void SetText(const std::string& text);
    void SetTabStop(bool tabStop);
    QLineEdit* LineEdit() const { return edit_; }

private:
    QLineEdit* edit_;
};

// Two arrows that step a position within Min..Max and show it in the edit
// box they are bound to. Whatever is typed into that box, Position stays in
// range: a number is taken (clamped), anything else leaves Position as it
// was, and the box shows Position again when editing ends.
class TUpDown : public TControl {
public:
    explicit TUpDown(TForm* owner);
    ~TUpDown() override;

    void SetAssociate(TEdit* edit);
    void SetRange(int min, int max);
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    void SetPosition(int position);
    void Step(int delta);

private:
    void TakeTypedText();
    void ShowPosition();

    class Buddy;
    Buddy* buddy_ = nullptr;
    TEdit* associate_ = nullptr;
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
};

// Shows its picture unscaled from its top-left corner. The picture is a
// retained bitmap: drawing on the canvas repaints only what changed.
class TImage : public TControl {
public:
    explicit TImage(TForm* owner);

    TPicture Picture;
    // The picture's canvas; on an empty picture it first makes a bitmap of
    // the control's current size.
    TCanvas& Canvas();

    // Pixels painted on screen since the last reset, for measuring repaints.
    static long long PaintedArea();
    static void ResetPaintedArea();
};
