// An event log for the forms-layer tests: handlers append "enter Edit1",
// "exit GroupBox1", "click Button1" ... and the tests compare the order.
#pragma once

#include "ui/Forms.h"

#include <initializer_list>
#include <string>
#include <vector>

struct EventLog {
    std::vector<std::string> items;

    void Add(const std::string& s) { items.push_back(s); }
    void Clear() { items.clear(); }

    // Logs OnEnter, OnExit and OnClick of the controls.
    void Watch(std::initializer_list<ui::Control*> controls) {
        for (ui::Control* c : controls) {
            const std::string n = c->Name();
            c->OnEnter = [this, n] { Add("enter " + n); };
            c->OnExit = [this, n] { Add("exit " + n); };
            c->OnClick = [this, n] { Add("click " + n); };
        }
    }
    // Logs the form's activation and paint events.
    void WatchForm(ui::Form* f) {
        const std::string n = f->Name();
        f->OnShow = [this, n] { Add("show " + n); };
        f->OnActivate = [this, n] { Add("activate " + n); };
        f->OnDeactivate = [this, n] { Add("deactivate " + n); };
        f->OnPaint = [this, n] { Add("paint " + n); };
    }
};
