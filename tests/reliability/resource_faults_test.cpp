// Broken executables, one resource at a time: this test embeds no resources
// but registers one set at a time, the whole one or a set that lacks one
// entry or holds the first half of its file.
#include "fixture.h"

#include "toolkit/runtime.h"

#include <functional>

#include <QCursor>
#include <QImage>
#include <QResource>

namespace {

const char* const Tiles[] = {"BITMAPO", "BITMAPR1", "BITMAPR2", "BITMAPR3", "BITMAPR4", "BITMAPF1", "BITMAPF2",
    "BITMAPF3", "BITMAPF4"};

struct Fault {
    const char* suffix;
    const char* what;
};
const Fault Faults[] = {{"", "missing"}, {"_cut", "truncated"}};

std::string Upper(std::string text)
{
    for (char& c : text)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// Registers one resource set for as long as it lives.
class ResourceSet {
public:
    explicit ResourceSet(const std::string& variant) : path_(QString(ROFO_RCC_DIR "/faults") + variant.c_str() + ".rcc")
    {
        registered_ = QResource::registerResource(path_);
    }
    ~ResourceSet() { QResource::unregisterResource(path_); }
    bool Registered() const { return registered_; }

private:
    QString path_;
    bool registered_ = false;
};

// The second whose start draws reward picture `number`, or another one.
std::int64_t SecondDrawing(int number, bool wanted)
{
    for (std::int64_t second = 0;; ++second) {
        SeedRandom(std::uint32_t(second));
        if ((NextRandom() % 9 + 2 == number) == wanted)
            return second;
    }
}

// Everything a start could change.
struct Snapshot {
    std::string board;
    std::vector<int> numbers;
    std::vector<bool> flags;
    std::string elapsed;
    QImage boardImage, shown, hidden;
    QPoint pointer;

    static Snapshot Of(TForm1& f)
    {
        return {BoardToText(),
            {PieceX, PieceY, PieceKind, PieceBaseTurn, PieceDir, ClearCount, StartClock, NowClock, f.Timer1.Interval(),
                f.TimeUD.Position(), f.DanUD.Position()},
            {f.Timer1.Enabled(), f.Timer2.Enabled(), f.Label1.Visible(), f.Label2.Visible()}, f.ShoyouE.Text(),
            f.Image1.Canvas().Image().copy(), f.Image2.Canvas().Image().copy(), f.ImageP1.Canvas().Image().copy(),
            QCursor::pos()};
    }
    bool operator==(const Snapshot&) const = default;
};

class ResourceFaultTest : public GameTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(whole.Registered()) << "no " ROFO_RCC_DIR "/faults.rcc";
        GameTest::SetUp();
    }
    ResourceSet whole{""};
};

} // namespace

TEST(ResourceFaults, AMissingOrTruncatedTileOrTitleIsNamedWhenTheWindowIsMade)
{
    std::vector<std::string> names(std::begin(Tiles), std::end(Tiles));
    names.push_back("JPEG1");
    for (const std::string& name : names) {
        for (const Fault& fault : Faults) {
            const ResourceSet broken("_" + name + fault.suffix);
            ASSERT_TRUE(broken.Registered()) << name << fault.suffix;
            try {
                TForm1 form(Application);
                ADD_FAILURE() << "the window was made with " << name << " " << fault.what;
            } catch (const Exception& error) {
                EXPECT_NE(Upper(error.Message()).find(name), std::string::npos)
                    << name << " " << fault.what << ": " << error.Message();
            }
        }
    }
    const ResourceSet whole("");
    EXPECT_NO_THROW(TForm1 form(Application)) << "the whole set makes the window";
}

// The reward picture is loaded before anything else is touched: a start
// that cannot load it shows the error and leaves the window exactly as it
// was, in any state; a later start that draws another picture works.
TEST_F(ResourceFaultTest, AStartThatCannotLoadItsPictureChangesNothing)
{
    const std::function<void()> states[] = {
        [] {},   // before the first game
        [this] {
            Start(SecondDrawing(2, true));
            for (int i = 0; i < 5; ++i)
                form->Timer1Timer(&form->Timer1);
            char32_t key = U'k';
            form->FormKeyPress(form.get(), key);
            form->AdvanceProgress();
            ticks += 3000;
            form->Timer2Timer(&form->Timer2);
        },
        [this] {
            Start(SecondDrawing(3, true));
            while (form->Timer1.Enabled())
                form->Timer1Timer(&form->Timer1);
            ASSERT_TRUE(form->Label1.Visible());
        },
        [this] {
            Start(SecondDrawing(4, true));
            form->DanUD.SetPosition(3);
            for (int i = 0; i < 3; ++i)
                form->AdvanceProgress();
            ASSERT_TRUE(form->Label2.Visible());
        },
    };
    for (int number = 2; number <= 10; ++number) {
        for (const Fault& fault : Faults) {
            const std::string name = "JPEG" + std::to_string(number);
            for (std::size_t s = 0; s < std::size(states); ++s) {
                const std::string where = name + " " + fault.what + ", state " + std::to_string(s);
                TearDown();
                GameTest::SetUp();
                states[s]();
                const Snapshot before = Snapshot::Of(*form);
                {
                    const ResourceSet broken("_" + name + fault.suffix);
                    // Registered later, the whole set would still answer first.
                    QResource::unregisterResource(ROFO_RCC_DIR "/faults.rcc");
                    calendar = SecondDrawing(number, true);
                    ticks += 777;
                    form->Button1.Click();
                    ASSERT_EQ(errors.size(), 1u) << where;
                    EXPECT_NE(errors[0].find(name), std::string::npos) << where << ": " << errors[0];
                    EXPECT_TRUE(Snapshot::Of(*form) == before) << where << ": the start changed the window";

                    calendar = SecondDrawing(number, false);
                    form->Button1.Click();
                    EXPECT_EQ(errors.size(), 1u) << where << ": another picture starts a game";
                    EXPECT_TRUE(form->Timer1.Enabled()) << where;
                    ExpectBoardShowsGrids();
                    QResource::registerResource(ROFO_RCC_DIR "/faults.rcc");
                }
                errors.clear();
            }
        }
    }
}
