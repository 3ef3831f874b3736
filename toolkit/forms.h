// A top-level window. Its controls live in a client area of fixed layout;
// when the window is made smaller than its controls, scroll bars appear.
#pragma once

#include "graphics.h"
#include "types.h"

#include <QPointer>
#include <QScrollArea>

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>

class QScrollArea;
class QWidget;
class TApplication;
class TControl;

// A typed character. The handler may look at it; it is never consumed.
using TKeyPressEvent = std::function<void(TObject* sender, char32_t& key)>;

class TForm : public TObject {
public:
    explicit TForm(TApplication* owner);
    ~TForm() override;
    TForm(const TForm&) = delete;
    TForm& operator=(const TForm&) = delete;

    // Outer position and size of the window, frame included.
    void SetBounds(int left, int top, int outerWidth, int outerHeight);
    int ClientWidth() const;
    int ClientHeight() const;
    std::string Caption() const;
    void SetCaption(const std::string& caption);
    void SetColor(TColor colour);
    void SetFont(const TFont& font);
    // Tab and Shift+Tab move the focus through these controls in this order.
    void SetTabOrder(std::initializer_list<TControl*> controls);
    const TFont& Font() const { return font_; }

    // With key preview on, the form sees every typed character before the
    // control that has the focus, which still receives it.
    bool KeyPreview = false;
    TKeyPressEvent OnKeyPress;

    void Show();
    void Close();
    // Hands a typed character to the key preview, as typing it would.
    void PreviewCharacter(char32_t key);

    QWidget* Window() const;
    QWidget* Client() const { return client_; }

private:
    class KeyPreviewFilter;

    QPointer<QScrollArea> window_;
    QWidget* client_ = nullptr;
    std::unique_ptr<KeyPreviewFilter> filter_;
    TFont font_;
};

// Frame metrics the client area is derived from: a sizeable frame of 4
// pixels on each side and a 26-pixel caption bar.
constexpr int FrameBorder = 4;
constexpr int FrameCaption = 26;
