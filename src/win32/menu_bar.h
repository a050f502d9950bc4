// The menu bar of a window on Windows: the native menus built from the model's menu
// entries, kept in step with them (texts, enabled, visible), and the menu bar's own entries
// drawn by the window so that every caption shows whole whatever the system's margins.
#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "shell/form_model.h"

namespace morvane::win32 {

class MenuBar {
public:
    // Builds the menus of model's menu entries for owner, which sets bar() as its menu.
    MenuBar(HWND owner, const FormModel& model, UINT dpi);
    ~MenuBar();
    MenuBar(const MenuBar&) = delete;
    MenuBar& operator=(const MenuBar&) = delete;

    HMENU bar() const { return bar_; }
    // The submenu of an entry that has one, and the command id of an entry.
    HMENU menuFor(const std::string& key) const;
    UINT commandFor(const std::string& key) const;
    // The entry a command id or an opened popup belongs to.
    std::optional<std::string> entryOfCommand(UINT id) const;
    std::optional<std::string> entryOfPopup(HMENU menu) const;

    // Mirrors a change of an entry: its text, whether it can be chosen and whether it is
    // there at all (an invisible entry is taken out of its menu and put back in its place).
    void apply(const Control& c, Changes what);
    void setDpi(UINT dpi);

    // The owner's WM_MEASUREITEM and WM_DRAWITEM for the bar's own entries; false for
    // anything else.
    bool measure(MEASUREITEMSTRUCT& m);
    bool draw(const DRAWITEMSTRUCT& d);

private:
    struct Entry {
        std::string key;
        std::string parent;  // the entry whose submenu holds it; empty: the bar
        HMENU sub = nullptr;
        UINT id = 0;
        bool separator = false;
        bool inserted = false;
    };

    HMENU holder(const Entry& e) const;
    int positionOf(const Entry& e) const;
    void insert(Entry& e, const Control& c);
    void remove(Entry& e);
    HFONT menuFont();

    HWND owner_;
    const FormModel& model_;
    UINT dpi_;
    HMENU bar_ = nullptr;
    HFONT font_ = nullptr;
    std::vector<Entry> entries_;
    std::map<std::string, std::size_t, std::less<>> index_;
};

}  // namespace morvane::win32
