// Showing, activation and modal windows.
#include "EventLog.h"
#include "ui/TestHarness.h"

#include <gtest/gtest-spi.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

using ui::test::Click;
using Items = std::vector<std::string>;

namespace {

struct Window : ui::Form {
    ui::Edit* Edit1 = new ui::Edit(this, "Edit1", {8, 8, 100, 21});
    ui::Edit* Edit2 = new ui::Edit(this, "Edit2", {8, 36, 100, 21});
    ui::Button* Button1 = new ui::Button(this, "Button1", {120, 8, 75, 25}, "&Ok");
    ui::Button* Button2 = new ui::Button(this, "Button2", {120, 40, 75, 25}, "More");

    explicit Window(const std::string& name) : Form(name) { SetClientSize(220, 80); }
};

class Activation : public ui::test::FormTest {
protected:
    void SetUp() override {
        log.WatchForm(&main);
        log.WatchForm(&dialog);
        log.WatchForm(&table);
        log.Watch({main.Edit1, main.Edit2, dialog.Edit1, dialog.Edit2, table.Edit1});
        main.Button1->OnClick = [this] { log.Add("click Main.Button1"); };
        table.Button1->OnClick = [this] { log.Add("click Table.Button1"); };
        dialog.Button1->ModalResult = ui::mrOk;
        dialog.Button1->OnClick = [this] { log.Add("click Dialog.Button1"); };
        main.Show();
        log.Clear();
    }
    Window main{"Main"}, dialog{"Dialog"}, table{"Table"};
    EventLog log;
};

TEST_F(Activation, ShowModalFiresShowActivateEnterPaintAndGivesTheOwnerBack) {
    ui::test::QueueModal(&dialog, [this](ui::Form&) {
        log.Add("script");
        ui::test::Tab();
        ui::test::Click(dialog.Button1);
    });
    EXPECT_EQ(dialog.ShowModal(), ui::mrOk);
    EXPECT_EQ(log.items, (Items{"show Dialog", "deactivate Main", "activate Dialog", "enter Edit1", "paint Dialog",
                                "script", "exit Edit1", "enter Edit2", "exit Edit2", "click Dialog.Button1",
                                "deactivate Dialog", "activate Main"}));
    EXPECT_FALSE(dialog.Visible());
    EXPECT_TRUE(main.Active());
}

// A ShowModal with no script queued runs the unqueued one, when the test set it; a queued script
// still goes first.
TEST_F(Activation, UnqueuedModalScriptAnswersWhatNoScriptWasQueuedFor) {
    std::vector<std::string> shown;
    ui::test::SetUnqueuedModal([&](ui::Form& f) { shown.push_back(f.Name()), f.ModalResult = ui::mrCancel; });
    ui::test::QueueModal(&dialog, [](ui::Form& d) { d.ModalResult = ui::mrOk; });
    EXPECT_EQ(dialog.ShowModal(), ui::mrOk);
    EXPECT_EQ(dialog.ShowModal(), ui::mrCancel);
    EXPECT_EQ(table.ShowModal(), ui::mrCancel);
    EXPECT_EQ(shown, (std::vector<std::string>{"Dialog", "Table"}));
    ui::test::SetUnqueuedModal(nullptr);
}

TEST_F(Activation, WindowSwitchesFireNoExitOrEnter) {
    ui::test::QueueModal(&dialog, [](ui::Form& d) { d.ModalResult = ui::mrOk; });
    dialog.ShowModal();
    ui::test::QueueModal(&dialog, [](ui::Form& d) { d.ModalResult = ui::mrOk; });
    dialog.ShowModal();
    // Only the dialog's first showing enters its control; the main window keeps Edit1.
    EXPECT_EQ(std::count(log.items.begin(), log.items.end(), "enter Edit1"), 1);
    EXPECT_EQ(std::count(log.items.begin(), log.items.end(), "exit Edit1"), 0);
    EXPECT_EQ(main.ActiveControl(), main.Edit1);
}

TEST_F(Activation, ActiveControlSetWhileInactiveIsMovedToOnActivation) {
    ui::test::QueueModal(&dialog, [this](ui::Form& d) {
        main.SetActiveControl(main.Edit2);  // main is inactive: only recorded
        log.Add("recorded");
        d.ModalResult = ui::mrOk;
    });
    dialog.ShowModal();
    const auto from = std::find(log.items.begin(), log.items.end(), "recorded");
    EXPECT_EQ(Items(from, log.items.end()),
              (Items{"recorded", "deactivate Dialog", "activate Main", "exit Edit1", "enter Edit2"}));
    EXPECT_EQ(main.ActiveControl(), main.Edit2);

    // The same for a hidden form, when it is shown next.
    dialog.SetActiveControl(dialog.Edit2);
    log.Clear();
    ui::test::QueueModal(&dialog, [](ui::Form& d) { d.ModalResult = ui::mrOk; });
    dialog.ShowModal();
    EXPECT_EQ(Items(log.items.begin(), log.items.begin() + 5),
              (Items{"show Dialog", "deactivate Main", "activate Dialog", "exit Edit1", "enter Edit2"}));
}

TEST_F(Activation, ModalBlocksOnlyTheWindowsShownBeforeItAndNests) {
    Window nested{"Nested"};
    nested.Button1->ModalResult = ui::mrOk;
    dialog.Button2->OnClick = [&] {
        ui::test::QueueModal(&nested, [&](ui::Form&) {
            Click(dialog.Button1);  // blocked by the nested window
            Click(table.Button1);   // shown before the nested window: blocked too
            log.Add("nested done");
            Click(nested.Button1);
        });
        log.Add(std::to_string(nested.ShowModal()));
    };
    ui::test::QueueModal(&dialog, [&](ui::Form&) {
        Click(main.Button1);  // blocked
        table.Show();         // shown while the dialog is modal: usable
        Click(table.Button1);
        Click(dialog.Button2);
        Click(dialog.Button1);
    });
    EXPECT_EQ(dialog.ShowModal(), ui::mrOk);
    Items clicks;
    for (const auto& s : log.items)
        if (s.rfind("click", 0) == 0 || s == "nested done" || s == "1") clicks.push_back(s);
    EXPECT_EQ(clicks, (Items{"click Table.Button1", "nested done", "1", "click Dialog.Button1"}));
    // After the nested window the dialog was active again.
    EXPECT_NE(std::find(log.items.begin(), log.items.end(), "activate Dialog"), log.items.end());
    Click(main.Button1);
    EXPECT_EQ(log.items.back(), "click Main.Button1");
}

TEST_F(Activation, ModeslessFormShownModallyIsBroughtUpModally) {
    table.Show();
    log.Clear();
    ui::test::QueueModal(&table, [this](ui::Form& t) {
        Click(main.Button1);  // blocked now
        t.ModalResult = ui::mrOk;
    });
    EXPECT_EQ(table.ShowModal(), ui::mrOk);
    EXPECT_EQ(std::count(log.items.begin(), log.items.end(), "show Table"), 0);
    EXPECT_EQ(std::count(log.items.begin(), log.items.end(), "click Main.Button1"), 0);
}

TEST_F(Activation, ShowFiresOnShowOnlyWhenTheFormBecomesVisible) {
    table.Show();
    table.Show();
    EXPECT_EQ(log.items, (Items{"show Table", "deactivate Main", "activate Table", "enter Edit1", "paint Table"}));
    log.Clear();
    table.Hide();
    table.Show();
    EXPECT_EQ(log.items, (Items{"deactivate Table", "activate Main", "show Table", "deactivate Main", "activate Table",
                                "paint Table"}));
}

TEST_F(Activation, HideFiresOnHideOncePerHidingByTheProgram) {
    int hides = 0;
    table.OnHide = [&] { ++hides; };
    dialog.OnHide = [&] { ++hides; };
    table.Hide();  // not shown: nothing to hide
    EXPECT_EQ(hides, 0);
    table.Show();
    table.Hide();
    table.Hide();
    EXPECT_EQ(hides, 1);
    table.Show();
    table.Close();
    EXPECT_EQ(hides, 2);
    ui::test::QueueModal(&dialog, [&](ui::Form&) { Click(dialog.Button1); });
    EXPECT_EQ(dialog.ShowModal(), ui::mrOk);
    EXPECT_EQ(hides, 3);
}

TEST_F(Activation, PressOnAnotherWindowActivatesIt) {
    table.Show();
    log.Clear();
    Click(main.Button1);
    // The press activates and moves the focus; the form paints once the press is handled.
    EXPECT_EQ(log.items,
              (Items{"deactivate Table", "activate Main", "exit Edit1", "paint Main", "click Main.Button1"}));
    EXPECT_TRUE(main.Active());
}

TEST_F(Activation, CloseOfAModalFormReturnsCancel) {
    int closes = 0;
    dialog.OnClose = [&](ui::CloseAction&) { ++closes; };
    ui::test::QueueModal(&dialog, [](ui::Form& d) { d.Close(); });
    EXPECT_EQ(dialog.ShowModal(), ui::mrCancel);
    EXPECT_EQ(closes, 1);
}

TEST_F(Activation, ShowModalWithoutAScriptFailsTheTest) {
    EXPECT_NONFATAL_FAILURE(EXPECT_EQ(dialog.ShowModal(), ui::mrCancel), "without a queued script");
}

TEST_F(Activation, ModalResultOnlyScriptDoesNotShowTheForm) {
    ui::test::QueueModalResult(&dialog, ui::mrYes);
    EXPECT_EQ(dialog.ShowModal(), ui::mrYes);
    EXPECT_TRUE(log.items.empty());
    ASSERT_EQ(ui::test::ModalShows().size(), 1u);
    EXPECT_FALSE(ui::test::ModalShows()[0].Shown);
}

// The production modal loop: ModalResult set in a handler ends the loop after the
// handler returned; windows shown later stay usable.
TEST_F(Activation, ProductionModalLoopEndsAfterTheHandler) {
    bool afterSet = false;
    dialog.Button2->OnClick = [&] {
        dialog.ModalResult = ui::mrYes;
        afterSet = true;  // the rest of the handler still runs
        log.Add("after");
    };
    QTimer::singleShot(0, [&] {
        Click(main.Button1);
        table.Show();
        Click(table.Button1);
        Click(dialog.Button2);
    });
    EXPECT_EQ(dialog.RunModalLoop(), ui::mrYes);
    EXPECT_TRUE(afterSet);
    EXPECT_EQ(std::count(log.items.begin(), log.items.end(), "click Main.Button1"), 0);
    EXPECT_EQ(std::count(log.items.begin(), log.items.end(), "click Table.Button1"), 1);
    EXPECT_FALSE(dialog.Visible());
    table.Hide();
}

TEST_F(Activation, ProductionModalLoopEndsWhenTheFormIsHidden) {
    QTimer::singleShot(0, [&] { dialog.Hide(); });
    EXPECT_EQ(dialog.RunModalLoop(), ui::mrCancel);
}

// A real message box opened by a validator fires no activation events and leaves
// the field focused (the box is answered by a timer); the window it covered has the
// keyboard again and is painted once.
TEST_F(Activation, ProductionMessageBoxFiresNoActivationAndKeepsTheFocus) {
    rt::NoticeSink* previous = rt::SetNoticeSink(&ui::ProductionNotices());
    main.Edit1->OnExit = [this] {
        log.Add("exit Edit1");
        QTimer::singleShot(0, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->accept();
        });
        ui::ShowMessage("Invalid input");
        main.SetActiveControl(main.Edit1);
    };
    Click(main.Button1);
    rt::SetNoticeSink(previous);
    ui::test::ProcessEvents();
    EXPECT_EQ(log.items, (Items{"exit Edit1", "paint Main"}));
    EXPECT_EQ(main.ActiveControl(), main.Edit1);
    EXPECT_EQ(main.focusWidget(), main.Edit1);
    EXPECT_EQ(QGuiApplication::focusWindow(), main.windowHandle());
}

}  // namespace

namespace {

struct Created : ui::Form {
    explicit Created(std::string* log) : Form("Created") {
        OnCreate = [log] { *log += "create;"; };
    }
};

TEST(Program, CreateFormRunsOnCreateAndClosingTheMainFormEndsTheProgram) {
    std::string log;
    std::unique_ptr<Created> first(ui::CreateForm<Created>(&log));
    std::unique_ptr<Created> second(ui::CreateForm<Created>(&log));
    EXPECT_EQ(log, "create;create;");
    EXPECT_EQ(ui::App().MainForm(), first.get());
    second->Show();
    second->Close();
    EXPECT_FALSE(ui::App().Terminated());
    first->Show();
    first->OnClose = [&](ui::CloseAction& a) {
        log += "close;";
        a = ui::CloseAction::Hide;
    };
    first->Close();
    EXPECT_EQ(log, "create;create;close;");
    EXPECT_TRUE(ui::App().Terminated());
}

TEST(Program, ClosingTheHiddenMainFormEndsTheProgram) {
    std::string log;
    ui::Form* current = ui::App().MainForm();
    std::unique_ptr<Created> own(current ? nullptr : ui::CreateForm<Created>(&log));
    ui::Form* main = ui::App().MainForm();
    ui::App().ClearTerminated();
    main->Show();
    main->Hide();
    main->Close();
    EXPECT_TRUE(ui::App().Terminated());
    ui::App().ClearTerminated();
}

TEST(Program, CloseRefusedByOnCloseKeepsTheFormOpen) {
    ui::Form f("Refuses");
    f.OnClose = [](ui::CloseAction& a) { a = ui::CloseAction::None; };
    f.Show();
    f.Close();
    EXPECT_TRUE(f.Visible());
}

}  // namespace
