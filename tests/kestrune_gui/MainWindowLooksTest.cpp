// The main window's two looks: sizes, frame, shape, the places of the controls and colours.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

#include "KestruneGuiTestSupport.h"

namespace kestrunegui::test {
namespace {

class MainWindowLooksTest : public KestruneWindowTest {
  protected:
    QRect place(const char* name) const { return child<QWidget>(name)->geometry(); }
    QColor fieldColour(const char* name) const {
        return child<QWidget>(name)->palette().color(QPalette::Base);
    }
    QPoint centred(QSize size) const {
        const QRect work = m_main->screen()->availableGeometry();
        return {work.width() / 2 - size.width() / 2, work.height() / 2 - size.height() / 2};
    }
};

struct Place {
    const char* control;
    QRect skinned;
    QRect plain;
};

// Designed places moved by each look; the plain look widens the script row.
const Place kPlaces[] = {
    {"Label3", {52, 108, 105, 23}, {-24, 8, 105, 23}},
    {"Script_Path", {164, 108, 217, 24}, {88, 8, 287, 24}},
    {"OpenYaBB", {388, 108, 25, 25}, {383, 8, 25, 25}},
    {"Mod_Folder", {420, 108, 153, 24}, {416, 8, 146, 24}},
    {"Mod_Description", {124, 180, 321, 97}, {88, 80, 321, 97}},
    {"Label9", {452, 140, 145, 25}, {416, 40, 145, 25}},
    {"CheckListBox1", {452, 164, 145, 241}, {416, 64, 145, 241}},
    {"ModEditor", {452, 412, 145, 25}, {416, 312, 145, 25}},
    {"ButtonMinimize", {420, 40, 33, 33}, {568, 8, 33, 33}},
    {"ButtonHelp", {457, 40, 33, 33}, {568, 48, 33, 33}},
    {"ButtonClose", {494, 40, 33, 33}, {568, 88, 33, 33}},
    {"GetMoreMods", {610, 160, 30, 130}, {568, 184, 33, 33}},
    {"Image1", {604, 260, 25, 25}, {568, 160, 25, 25}},
};

TEST_F(MainWindowLooksTest, SkinnedWindowIsShapedByItsPicture) {
    writeSettings();
    makeWindows();

    ASSERT_TRUE(m_main->skinned());
    EXPECT_EQ(m_main->size(), QSize(640, 480));
    EXPECT_TRUE(m_main->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(m_main->pos(), centred({640, 480}));
    // The magenta corner is no part of the window; the body and the buttons' tab are.
    const QRegion shape = m_main->mask();
    EXPECT_FALSE(shape.contains(QPoint(0, 0)));
    EXPECT_FALSE(shape.contains(QPoint(639, 10)));
    EXPECT_TRUE(shape.contains(QPoint(320, 240)));
    EXPECT_TRUE(shape.contains(QPoint(625, 225)));
    for (const Place& p : kPlaces) {
        EXPECT_EQ(place(p.control), p.skinned) << p.control;
    }
    const QColor green(0, 204, 0);
    EXPECT_EQ(m_main->palette().color(QPalette::Window), green);
    for (const char* field :
         {"Script_Path", "Mod_Description", "Mod_FilesToEdit", "Mod_Folder", "CheckListBox1"}) {
        EXPECT_EQ(fieldColour(field), green) << field;
    }
    EXPECT_EQ(child<QLabel>("Image1")->pixmap().size(), QSize(150, 350));
    EXPECT_FALSE(child<QLabel>("Image1")->isVisibleTo(m_main.get()));
    EXPECT_FALSE(m_main->windowIcon().isNull());
}

TEST_F(MainWindowLooksTest, PlainWindowIsFramedAndNarrower) {
    // Only the exact "on" gives the skin.
    for (const char* value : {"off", "On"}) {
        writeSettings({std::string("EnableSkin=") + value});
        makeWindows();

        EXPECT_FALSE(m_main->skinned()) << value;
        EXPECT_EQ(m_main->size(), QSize(570, 345)) << value;
        EXPECT_FALSE(m_main->windowFlags().testFlag(Qt::FramelessWindowHint)) << value;
        EXPECT_TRUE(m_main->mask().isEmpty()) << value;
        for (const Place& p : kPlaces) {
            EXPECT_EQ(place(p.control), p.plain) << p.control << " " << value;
        }
        const QColor base = QApplication::palette().color(QPalette::Base);
        for (const char* field : {"Script_Path", "Mod_Name", "Mod_Steps", "CheckListBox1"}) {
            EXPECT_EQ(fieldColour(field), base) << field << " " << value;
        }
    }
}

TEST_F(MainWindowLooksTest, ControlsCarryTheirCaptionsHintsAndCursors) {
    writeSettings();
    makeWindows();

    struct Caption {
        const char* control;
        const char* text;
    };
    for (const Caption& c : {Caption{"ManualInstallation", "Manual Installation"},
                             Caption{"ClearLog", "&Clear Install Log"}, Caption{"About", "&About"},
                             Caption{"ExitButton", "&Exit"}, Caption{"ModEditor", "Mod Editor"}}) {
        EXPECT_EQ(child<QPushButton>(c.control)->text(), c.text) << c.control;
    }
    EXPECT_EQ(child<QWidget>("GetMoreMods")->toolTip(), "click here to download more mods");
    EXPECT_EQ(child<QWidget>("ButtonMinimize")->toolTip(), "Minimize");
    for (const char* handy : {"Mod_Homepage", "Label9", "ButtonHelp", "GetMoreMods"}) {
        EXPECT_EQ(child<QWidget>(handy)->cursor().shape(), Qt::PointingHandCursor) << handy;
    }
    EXPECT_EQ(child<QLabel>("Label3")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(child<QLabel>("Label4")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(child<QLabel>("Label9")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    EXPECT_TRUE(child<QLineEdit>("Mod_Name")->isReadOnly());
    EXPECT_FALSE(child<QLineEdit>("Script_Path")->isReadOnly());
}

}  // namespace
}  // namespace kestrunegui::test
