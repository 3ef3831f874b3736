#include "application.h"

#include "dib.h"
#include "qt_bridge.h"
#include "resources.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QMessageBox>
#include <QPixmap>
#include <QStyleFactory>

#include <cstdio>

namespace {

TApplication theApplication;

int qtArgc = 1;
char* qtArgv[] = {nullptr, nullptr};

// The icon group named MAINICON, if the executable holds a readable one.
QIcon MainIcon()
{
    const auto data = FindResourceData("MAINICON", RT_GROUP_ICON);
    if (data.empty())
        return {};
    try {
        return QIcon(QPixmap::fromImage(DecodeIcon(data, "MAINICON")));
    } catch (const Exception&) {
        return {};
    }
}

} // namespace

TApplication* Application = &theApplication;

TApplication::TApplication() = default;

TApplication::~TApplication() { Finalize(); }

void TApplication::Finalize()
{
    forms_.clear();
    mainForm_ = nullptr;
    qt_.reset();
}

std::string ApplicationTitleFor(const std::string& programPath)
{
    std::string name = programPath.substr(programPath.find_last_of('/') + 1);
    name = name.substr(0, name.find('.'));
    for (std::size_t i = 1; i < name.size(); ++i) {
        if (name[i] >= 'A' && name[i] <= 'Z')
            name[i] = char(name[i] - 'A' + 'a');
    }
    return name;
}

void TApplication::Initialize(const char* programPath)
{
    title_ = ApplicationTitleFor(programPath ? programPath : "");
    static std::string program = programPath ? programPath : "rofo";
    qtArgv[0] = program.data();
    qt_ = std::make_unique<QApplication>(qtArgc, qtArgv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The menu entry's name (data/io.github.rofo.Rofo.desktop): Wayland shells
    // find the task-bar icon through it, as no window icon is sent there.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.rofo.Rofo"));
    RegisterFontSubstitutes();
    QApplication::setWindowIcon(MainIcon());
}

void TApplication::Run()
{
    if (!mainForm_)
        return;
    mainForm_->Show();
    QApplication::exec();
}

void TApplication::ShowException(const Exception& error)
{
    if (OnException) {
        OnException(error);
        return;
    }
    // The message also goes to the terminal, for runs without a desktop.
    std::fprintf(stderr, "%s: %s\n", title_.c_str(), error.what());
    if (!qt_)
        return;
    QWidget* parent = mainForm_ && mainForm_->Window()->isVisible() ? mainForm_->Window() : nullptr;
    QMessageBox box(QMessageBox::Critical, QString::fromStdString(title_), QString::fromStdString(error.Message()),
        QMessageBox::Ok, parent);
    box.exec();
}

void InvokeHandler(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const Exception& error) {
        Application->ShowException(error);
    } catch (const std::exception& error) {
        Application->ShowException(Exception(error.what()));
    } catch (...) {
        Application->ShowException(Exception(""));
    }
}
