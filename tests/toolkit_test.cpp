// Toolkit behaviour the game leans on: the up-down's position under any
// typing, timers, the application title and errors raised by handlers.
#include "fixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

class ToolkitTest : public GameTest {};

} // namespace

TEST_F(ToolkitTest, UpDownPositionStaysInRangeWhateverIsTyped)
{
    const struct {
        std::string typed;
        int position;
    } cases[] = {
        {"", 200}, {"abc", 200}, {"-", 200}, {"+", 200}, {"  ", 200}, {"12a", 200}, {"0", 50}, {"49", 50},
        {"501", 500}, {"-7", 50}, {"99999999999", 500}, {std::string(100000, '9'), 500}, {"３００", 300},
        {" 250 ", 250}, {"4\n5", 200}, {"+120", 120},
    };
    QLineEdit* edit = form->TimeE.LineEdit();
    for (const auto& c : cases) {
        form->TimeUD.SetPosition(200);
        edit->setText(QString::fromStdString(c.typed));
        emit edit->textEdited(edit->text());
        EXPECT_EQ(form->TimeUD.Position(), c.position) << "typed '" << c.typed.substr(0, 20) << "'";
        emit edit->editingFinished();
        EXPECT_EQ(form->TimeE.Text(), std::to_string(c.position)) << "the box shows the position again";
    }
}

TEST_F(ToolkitTest, UpDownArrowsAndKeysStepWithoutWrapping)
{
    form->DanUD.SetPosition(29);
    form->DanUD.Step(1);
    form->DanUD.Step(1);
    EXPECT_EQ(form->DanUD.Position(), 30);
    EXPECT_EQ(form->DanE.Text(), "30");
    form->Show();
    QApplication::setActiveWindow(form->Window());
    form->DanE.SetFocus();
    for (int i = 0; i < 30; ++i) {
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QApplication::sendEvent(form->DanE.LineEdit(), &down);
    }
    EXPECT_EQ(form->DanUD.Position(), 3);
    EXPECT_EQ(form->DanE.Text(), "3");
}

TEST_F(ToolkitTest, AnErrorInAHandlerIsShownAndTheLoopGoesOn)
{
    form->Button1.OnClick = [](TObject*) { throw EResNotFound("JPEG7"); };
    form->Button1.Click();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "JPEG7 リソースが見つかりません");
    bool ticked = false;
    form->Timer2.OnTimer = [&](TObject*) { ticked = true; };
    form->Timer2.SetInterval(1);
    form->Timer2.SetEnabled(true);
    QElapsedTimer waited;
    waited.start();
    while (!ticked && waited.elapsed() < 2000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_TRUE(ticked) << "events still flow after the error";
}

TEST(ApplicationTitle, FileNameUpToTheFirstDotRestLowerCase)
{
    EXPECT_EQ(ApplicationTitleFor("/usr/games/rofo"), "rofo");
    EXPECT_EQ(ApplicationTitleFor("build/ROFO.exe"), "Rofo");
    EXPECT_EQ(ApplicationTitleFor("My.Game.bin"), "My");
    EXPECT_EQ(Application->Title(), "rofo");
}
