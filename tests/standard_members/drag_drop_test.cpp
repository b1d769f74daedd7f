// Dragging a control onto another: the events in order, acceptance, the
// cursor, cancelling with Escape, and dock drags.
#include "control_fixture.h"
#include "timer_speed_button.h"

#include <QCursor>
#include <string>
#include <vector>

using namespace Kepler;

namespace {

const char* StateName(TDragState s)
{
    switch (s) {
    case dsDragEnter: return "enter";
    case dsDragLeave: return "leave";
    default: return "move";
    }
}

} // namespace

// A dragged control of the type under test and a button pair to drop on.
template <typename T>
class DragDrop : public ::testing::Test {
protected:
    void SetUp() override
    {
        Window = std::make_unique<QWidget>();
        Window->resize(300, 100);
        Source = new T(Window.get());
        Source->setGeometry(10, 10, 61, 40);
        Target = new TSpinButton(Window.get());
        Target->setGeometry(150, 10, 40, 40);
        Window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Window.get()));
        Source->SetDragMode(dmAutomatic);
        Source->OnStartDrag = [this](QObject* s) { Log(s == Source ? "start" : "start from elsewhere"); };
        Source->OnEndDrag = [this](QObject* s, QObject* target, int x, int y) {
            Log(std::string(s == Source ? "" : "foreign ") + "end " + (target == Target ? "target" : "none") + " " +
                std::to_string(x) + " " + std::to_string(y));
        };
        Target->OnDragOver = [this](QObject* s, QObject* source, int x, int y, TDragState state, bool& accept) {
            if (s != Target || source != Source)
                Log("wrong sender or source");
            Log(std::string("over ") + StateName(state) + " " + std::to_string(x) + " " + std::to_string(y));
            accept = Accept;
            if (QCursor* c = QGuiApplication::overrideCursor())
                Cursors.push_back(c->shape());
        };
        Target->OnDragDrop = [this](QObject* s, QObject* source, int x, int y) {
            Log(std::string("drop ") + (s == Target && source == Source ? "" : "wrong ") + std::to_string(x) + " " +
                std::to_string(y));
        };
    }

    void Log(const std::string& s) { Entries.push_back(s); }

    // Presses on the source, moves onto the target twice and releases there.
    void DragOntoTarget()
    {
        QTest::mousePress(Source, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseMove(Target->UpButton(), QPoint(5, 5));
        QTest::mouseMove(Target->UpButton(), QPoint(6, 7));
        QTest::mouseRelease(Target->UpButton(), Qt::LeftButton, {}, QPoint(6, 7));
    }

    std::unique_ptr<QWidget> Window;
    T* Source = nullptr;
    TSpinButton* Target = nullptr;
    bool Accept = true;
    std::vector<std::string> Entries;
    std::vector<Qt::CursorShape> Cursors;
};

using DragSources = ::testing::Types<TMeter, TSpinEdit>;
TYPED_TEST_SUITE(DragDrop, DragSources);

TYPED_TEST(DragDrop, AcceptedDropRunsEveryEventOnce)
{
    this->DragOntoTarget();
    const std::vector<std::string> expected = {"start", "over enter 5 5", "over move 6 7", "over move 6 7",
                                               "drop 6 7", "end target 6 7"};
    EXPECT_EQ(this->Entries, expected);
    EXPECT_FALSE(this->Source->Dragging());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    // While the pointer was over the target, the cursor was the source's
    // drag cursor (it is set after each answer).
    ASSERT_FALSE(this->Cursors.empty());
    EXPECT_EQ(this->Cursors.back(), Qt::DragMoveCursor);
}

TYPED_TEST(DragDrop, RefusedDropEndsWithoutTarget)
{
    this->Accept = false;
    this->DragOntoTarget();
    const std::vector<std::string> expected = {"start",         "over enter 5 5", "over move 6 7", "over move 6 7",
                                               "over leave 6 7", "end none 6 7"};
    // The end reports the point in the source's coordinates when nobody took it.
    EXPECT_EQ(this->Entries.size(), expected.size());
    for (std::size_t i = 0; i + 1 < expected.size() && i < this->Entries.size(); ++i)
        EXPECT_EQ(this->Entries[i], expected[i]);
    EXPECT_EQ(this->Entries.back().rfind("end none", 0), 0u);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TYPED_TEST(DragDrop, EscapeCancelsTheDrag)
{
    QTest::mousePress(this->Source, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(this->Target->UpButton(), QPoint(5, 5));
    ASSERT_TRUE(this->Source->Dragging());
    QTest::keyClick(this->Window.get(), Qt::Key_Escape);
    EXPECT_FALSE(this->Source->Dragging());
    QTest::mouseRelease(this->Target->UpButton(), Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_EQ(this->Entries.size(), 4u);
    EXPECT_EQ(this->Entries[2], "over leave 5 5");
    EXPECT_EQ(this->Entries[3].rfind("end none", 0), 0u);
}

// The press that starts an automatic drag does not reach the control, and a
// manual control does not drag by itself.
TYPED_TEST(DragDrop, OnlyAutomaticModeDragsOnAPress)
{
    this->Source->SetDragMode(dmManual);
    QTest::mousePress(this->Source, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(this->Source->Dragging());
    QTest::mouseRelease(this->Source, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(this->Entries.empty());

    this->Source->SetDragMode(dmAutomatic);
    int downs = 0;
    this->Source->OnMouseDown = [&](QObject*, TMouseButton, TShiftState, int, int) { ++downs; };
    QTest::mousePress(this->Source, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(this->Source->Dragging());
    EXPECT_EQ(downs, 0);
    QTest::mouseRelease(this->Source, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(this->Source->Dragging());
    this->Source->OnMouseDown = nullptr;
}

TYPED_TEST(DragDrop, ProgramStartedDragEndsOnRequest)
{
    this->Source->BeginDrag(true);
    EXPECT_TRUE(this->Source->Dragging());
    this->Source->EndDrag(false);
    EXPECT_FALSE(this->Source->Dragging());
    ASSERT_FALSE(this->Entries.empty());
    EXPECT_EQ(this->Entries.front(), "start");
    EXPECT_EQ(this->Entries.back().rfind("end none", 0), 0u);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TYPED_TEST(DragDrop, DockDragReportsThroughTheDockEvents)
{
    this->Source->SetDragKind(dkDock);
    this->Source->OnStartDock = [this](QObject*) { this->Log("start dock"); };
    this->Source->OnEndDock = [this](QObject*, QObject* target, int, int) {
        this->Log(target == this->Target ? "end dock target" : "end dock none");
    };
    this->DragOntoTarget();
    ASSERT_GE(this->Entries.size(), 3u);
    EXPECT_EQ(this->Entries.front(), "start dock");
    EXPECT_EQ(this->Entries.back(), "end dock target");
    EXPECT_EQ(std::count(this->Entries.begin(), this->Entries.end(), "start"), 0);
}

TEST(DragDropSource, DestroyedSourceEndsItsDrag)
{
    QWidget window;
    auto* spin = new TSpinEdit(&window);
    window.show();
    spin->BeginDrag(true);
    delete spin;
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    auto* other = new TSpinEdit(&window);
    other->BeginDrag(true);
    EXPECT_TRUE(other->Dragging()); // a new drag can start
    other->EndDrag(false);
}
