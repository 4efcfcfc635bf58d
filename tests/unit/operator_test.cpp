// Lock, password dialog, modes, quitting and skins, on a started program.

#include <gtest/gtest.h>

#include <algorithm>

#include "data/settings_table.h"
#include "operator/lock.h"
#include "operator/modes.h"
#include "operator/password_dialog.h"
#include "shell/appearance.h"
#include "shell/form_create.h"
#include "shell/tray.h"
#include "tests/support/fakes.h"
#include "tests/support/temp_program_folder.h"

using namespace testing_support;
using shell::MainControls;

namespace {

// The enabled flags that the lock and the modes set, by name.
const std::vector<std::pair<const char*, shell::Control MainControls::*>> kWatched = {
    {"edit", &MainControls::edit},           {"T1", &MainControls::T1},
    {"yingsp", &MainControls::yingsp},       {"Jrxt", &MainControls::Jrxt},
    {"pbxt", &MainControls::pbxt},           {"GGMM", &MainControls::GGMM},
    {"TCXT", &MainControls::TCXT},           {"ztbc", &MainControls::ztbc},
    {"jxbc", &MainControls::jxbc},           {"biaocz", &MainControls::biaocz},
    {"Z1", &MainControls::Z1},               {"xuanxiang", &MainControls::xuanxiang},
    {"P1", &MainControls::P1},               {"Rec2", &MainControls::Rec2},
    {"ToolButton9", &MainControls::ToolButton9}, {"ToolButton10", &MainControls::ToolButton10},
    {"ToolButton15", &MainControls::ToolButton15}, {"ToolButton17", &MainControls::ToolButton17},
    {"ToolButton18", &MainControls::ToolButton18}, {"rec3", &MainControls::rec3},
};

std::string enabledSet(const MainControls& c) {
    std::string out;
    for (auto [name, member] : kWatched) {
        if ((c.*member).enabled) out += std::string(out.empty() ? "" : " ") + name;
    }
    return out;
}

}  // namespace

class Operator : public ::testing::Test {
protected:
    void SetUp() override {
        folder.writeSettings("1", "pass");
        folder.writeTimetable("chunqiu.dbf", "CHUNQIU_ON", {{1, "07:30:00"}});
        shell::FormCreate(ctx, folder.appDir());
        operation::Form2Create(ctx);
    }
    // The operator types into the dialog and confirms, while it is open.
    void answerDialogWith(std::string password) {
        fakes.window.onPasswordDialog = [this, password] {
            ctx.Form2.Edit1.text = password;
            operation::Button2Click(ctx);
        };
    }
    int count(const std::string& call) {
        return static_cast<int>(std::count(fakes.window.calls.begin(), fakes.window.calls.end(), call));
    }

    TempProgramFolder folder;
    FakePorts fakes;
    shell::MainContext ctx{fakes.ports()};
};

TEST_F(Operator, LockModeAndUnlockTables) {
    EXPECT_EQ(enabledSet(ctx.controls), "Jrxt ztbc");  // locked, automatic

    answerDialogWith("pass");
    operation::JrxtClick(ctx);
    EXPECT_EQ(enabledSet(ctx.controls), "T1 yingsp pbxt GGMM TCXT ztbc");
    EXPECT_FALSE(ctx.controls.DBGrid1ReadOnly);

    operation::ZTBCClick(ctx);
    EXPECT_EQ(enabledSet(ctx.controls),
              "edit T1 yingsp pbxt GGMM TCXT jxbc biaocz Z1 xuanxiang P1 Rec2 ToolButton9 ToolButton10 "
              "ToolButton15 ToolButton17 rec3");
    EXPECT_EQ(ctx.controls.Timer1Interval, 0);
    EXPECT_EQ(text::utf8FromGbk(ctx.controls.Label2), "  ☆ 修改完成后请选择自动播出！");

    // Locking in manual mode leaves the buttons as the mode set them.
    operation::pbxtClick(ctx);
    EXPECT_EQ(enabledSet(ctx.controls),
              "Jrxt jxbc biaocz Z1 xuanxiang P1 Rec2 ToolButton9 ToolButton10 ToolButton15 ToolButton17 rec3");
    EXPECT_TRUE(ctx.controls.DBGrid1ReadOnly);
    EXPECT_EQ(ctx.controls.Timer1Interval, 0);

    // Unlocking shows the automatic pair of items but the timer stays stopped.
    operation::JrxtClick(ctx);
    EXPECT_TRUE(ctx.controls.ztbc.enabled);
    EXPECT_FALSE(ctx.controls.jxbc.enabled);
    EXPECT_EQ(ctx.controls.Timer1Interval, 0);

    operation::ZTBCClick(ctx);
    operation::JXBCClick(ctx);
    EXPECT_EQ(enabledSet(ctx.controls), "T1 yingsp pbxt GGMM TCXT ztbc");
    EXPECT_EQ(ctx.controls.Timer1Interval, 1000);
    EXPECT_TRUE(ctx.controls.Label2.empty());
    EXPECT_FALSE(ctx.controls.Label1.empty());  // until the next tick writes it
}

TEST_F(Operator, ClosingTheDialogWithoutPasswordChangesNothing) {
    const std::string before = enabledSet(ctx.controls);
    operation::JrxtClick(ctx);  // the dialog is closed at once
    EXPECT_EQ(enabledSet(ctx.controls), before);
    answerDialogWith("wrong");
    operation::JrxtClick(ctx);
    EXPECT_EQ(enabledSet(ctx.controls), before);
    EXPECT_EQ(fakes.messages.shown.back(), "密码不正确，请重新输入！");
    EXPECT_TRUE(ctx.Form2.Edit1.text.empty());
}

TEST_F(Operator, PasswordDialogCases) {
    struct Case {
        const char* current;
        const char* first;
        const char* second;
        const char* message;  // null: none
        const char* stored;   // the key afterwards
        bool closed;
    };
    const std::string tooLong(data::kPasswordWidth + 1, 'k');
    const Case cases[] = {
        {"wrong", "", "", "密码不正确，请重新输入！", "pass", false},
        {"pass", "", "   ", "密码不能为空，请重新输入！", "pass", false},
        {"pass", "", "abc", "输入有误，请重新输入！", "pass", false},
        {"pass", "abc", "abd", "输入有误，请重新输入！", "pass", false},
        {"pass", "new", " new ", "密码已更改，请牢记新密码！", " new", true},
        {"pass", tooLong.c_str(), tooLong.c_str(), nullptr, "pass", false},
        {"Pass", "x", "x", "密码不正确，请重新输入！", "pass", false},
    };
    for (const Case& c : cases) {
        TempProgramFolder f;
        FakePorts p;
        shell::MainContext x{p.ports()};
        f.writeSettings("1", "pass");
        f.writeTimetable("chunqiu.dbf", "CHUNQIU_ON", {{1, "07:30:00"}});
        shell::FormCreate(x, f.appDir());
        operation::Form2Create(x);
        operation::Button3Click(x.Form2);
        EXPECT_TRUE(x.Form2.Edit3.visible);
        EXPECT_EQ(x.Form2.Edit1.top, 16);
        x.Form2.Edit1.text = c.current;
        x.Form2.Edit2.text = c.first;
        x.Form2.Edit3.text = c.second;
        operation::Button2Click(x);
        if (c.message) {
            ASSERT_EQ(p.messages.shown.size(), 1u) << c.first << "/" << c.second;
            EXPECT_EQ(p.messages.shown[0], c.message);
        } else {
            ASSERT_EQ(p.messages.shown.size(), 1u);  // the too-long refusal
            EXPECT_NE(p.messages.shown[0].find("32"), std::string::npos) << p.messages.shown[0];
        }
        EXPECT_EQ(data::settingText(x, data::kKey), c.stored) << c.second;
        const bool closed = std::count(p.window.calls.begin(), p.window.calls.end(), "closePasswordDialog") == 1;
        EXPECT_EQ(closed, c.closed) << c.second;
        EXPECT_EQ(x.Form2.Edit3.visible, !c.closed);  // back to the entry layout once done
        EXPECT_TRUE(x.Form2.Edit1.text.empty());
        EXPECT_EQ(x.state.Unlocked, std::string(c.current) == "pass") << "a correct password unlocks";
    }
}

TEST_F(Operator, StoredPasswordWithTrailingBlankStillOpens) {
    operation::Button3Click(ctx.Form2);
    ctx.Form2.Edit1.text = "pass";
    ctx.Form2.Edit2.text = ctx.Form2.Edit3.text = "pw ";
    operation::Button2Click(ctx);
    operation::pbxtClick(ctx);
    answerDialogWith("pw ");
    operation::JrxtClick(ctx);
    EXPECT_TRUE(ctx.state.Unlocked);
}

TEST_F(Operator, QuittingAsksForThePasswordOnlyWhileLocked) {
    shell::Q1Click(ctx);  // dialog closed without the password
    EXPECT_FALSE(ctx.terminating);
    EXPECT_EQ(count("removeTrayIcon"), 0);

    answerDialogWith("pass");
    shell::TCXTClick(ctx);
    EXPECT_TRUE(ctx.terminating);
    EXPECT_EQ(count("showPasswordDialog"), 2);
    EXPECT_EQ(count("removeTrayIcon"), 1);

    shell::Q1Click(ctx);  // unlocked now: nothing asked
    EXPECT_EQ(count("showPasswordDialog"), 2);
}

TEST_F(Operator, TrayAndHiding) {
    shell::TrayIconNotify(ctx, shell::kRightButtonUp);
    shell::TrayIconNotify(ctx, shell::kLeftButtonUp);
    shell::TrayIconNotify(ctx, 512);  // mouse movement
    shell::E1Click(ctx);
    const std::vector<std::string> tail(fakes.window.calls.end() - 3, fakes.window.calls.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"popupTrayMenu", "showMainWindow", "hideMainWindow"}));
}

TEST_F(Operator, TenSkinClicksComeBackToTheFirstAndAreStored) {
    for (int click = 1; click <= 10; ++click) {
        shell::SpeedButton9Click(ctx);
        EXPECT_EQ(fakes.window.calls.back(), "applySkin " + std::to_string(click % 10));
        EXPECT_EQ(data::settingInt(ctx, data::kId4), click % 10);
        EXPECT_EQ(text::utf8FromGbk(ctx.controls.SpeedButton9.hint), "界面编号：" + std::to_string(click));
    }
    ctx.state.SkinIndex = 12;  // a hand-edited id4 beyond the store
    shell::SpeedButton9Click(ctx);
    EXPECT_EQ(data::settingInt(ctx, data::kId4), 0);
}

TEST_F(Operator, HelpWebAndAbout) {
    shell::ToolButton22Click(ctx);
    EXPECT_EQ(fakes.window.calls.back(), "openDocument " + ctx.state.AppDir + "VELMORA.CHM");
    shell::ToolButton20Click(ctx);
    EXPECT_NE(fakes.window.calls.back().find("/velmora/index.asp"), std::string::npos);
    EXPECT_EQ(shell::aboutVersionLine(ctx), "VERsion 3.61");
}
