#include "win32/menu_bar.h"

#include <algorithm>

#include "win32/win_look.h"

namespace morvane::win32 {

namespace {
constexpr UINT FirstMenuId = 0x4000;
// Room beside a caption of the bar for glyphs that reach past their advance.
constexpr int CaptionSlack = 2;
}  // namespace

MenuBar::MenuBar(HWND owner, const FormModel& model, UINT dpi)
    : owner_(owner), model_(model), dpi_(dpi) {
    bar_ = CreateMenu();
    UINT command = FirstMenuId;
    for (const Control& c : model_.controls()) {
        if (c.kind != Kind::Menu) continue;
        Entry e;
        e.key = c.key();
        e.parent = c.parentMenu;
        if (!e.parent.empty()) {
            auto it = index_.find(e.parent);
            if (it == index_.end() || !entries_[it->second].sub) continue;
        }
        e.id = command++;
        e.separator = c.text == "-";
        if (model_.hasSubmenu(e.key)) e.sub = CreatePopupMenu();
        index_[e.key] = entries_.size();
        entries_.push_back(e);
    }
    for (Entry& e : entries_) {
        const Control& c = model_.c(e.key);
        if (c.visible) insert(e, c);
    }
}

MenuBar::~MenuBar() {
    // Menus out of their place are no part of the bar that goes with the window.
    for (auto it = entries_.rbegin(); it != entries_.rend(); ++it)
        if (it->sub && !it->inserted) DestroyMenu(it->sub);
    if (font_) DeleteObject(font_);
}

HMENU MenuBar::menuFor(const std::string& key) const {
    auto it = index_.find(key);
    return it == index_.end() ? nullptr : entries_[it->second].sub;
}

UINT MenuBar::commandFor(const std::string& key) const {
    auto it = index_.find(key);
    return it == index_.end() ? 0 : entries_[it->second].id;
}

std::optional<std::string> MenuBar::entryOfCommand(UINT id) const {
    for (const Entry& e : entries_)
        if (e.id == id && !e.sub) return e.key;
    return std::nullopt;
}

std::optional<std::string> MenuBar::entryOfPopup(HMENU menu) const {
    for (const Entry& e : entries_)
        if (e.sub && e.sub == menu) return e.key;
    return std::nullopt;
}

HMENU MenuBar::holder(const Entry& e) const {
    return e.parent.empty() ? bar_ : entries_[index_.find(e.parent)->second].sub;
}

// The place of an entry among those of its menu that are there.
int MenuBar::positionOf(const Entry& e) const {
    int at = 0;
    for (const Entry& other : entries_) {
        if (&other == &e) break;
        if (other.parent == e.parent && other.inserted) ++at;
    }
    return at;
}

void MenuBar::insert(Entry& e, const Control& c) {
    const std::wstring text = wide(c.text);
    MENUITEMINFOW mi{};
    mi.cbSize = sizeof mi;
    mi.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_DATA;
    mi.wID = e.id;
    mi.fState = c.enabled ? MFS_ENABLED : MFS_DISABLED;
    mi.dwItemData = index_[e.key];
    if (e.separator) {
        mi.fType = MFT_SEPARATOR;
    } else {
        mi.fMask |= MIIM_STRING;
        mi.dwTypeData = const_cast<wchar_t*>(text.c_str());
        // The bar's own entries are drawn by the window; the text stays with them for the
        // access keys and for whoever reads the menu.
        mi.fType = e.parent.empty() ? MFT_OWNERDRAW : MFT_STRING;
    }
    if (e.sub) {
        mi.fMask |= MIIM_SUBMENU;
        mi.hSubMenu = e.sub;
    }
    if (InsertMenuItemW(holder(e), static_cast<UINT>(positionOf(e)), TRUE, &mi)) e.inserted = true;
}

void MenuBar::remove(Entry& e) {
    HMENU in = holder(e);
    const int n = GetMenuItemCount(in);
    for (int i = 0; i < n; ++i) {
        const bool it = e.sub ? GetSubMenu(in, i) == e.sub : GetMenuItemID(in, i) == e.id;
        if (it) {
            // RemoveMenu keeps the submenu for the entry's return.
            RemoveMenu(in, static_cast<UINT>(i), MF_BYPOSITION);
            break;
        }
    }
    e.inserted = false;
}

void MenuBar::apply(const Control& c, Changes what) {
    auto it = index_.find(c.key());
    if (it == index_.end()) return;
    Entry& e = entries_[it->second];
    bool barChanged = false;
    if (what.has(Property::Visible) && c.visible != e.inserted) {
        if (c.visible)
            insert(e, c);
        else
            remove(e);
        barChanged = e.parent.empty();
    }
    if (e.inserted && !e.separator && what.any(Property::Text | Property::Enabled)) {
        const std::wstring text = wide(c.text);
        MENUITEMINFOW mi{};
        mi.cbSize = sizeof mi;
        mi.fMask = MIIM_STRING | MIIM_STATE;
        mi.dwTypeData = const_cast<wchar_t*>(text.c_str());
        mi.fState = c.enabled ? MFS_ENABLED : MFS_DISABLED;
        HMENU in = holder(e);
        SetMenuItemInfoW(in, static_cast<UINT>(positionOf(e)), TRUE, &mi);
        barChanged = barChanged || e.parent.empty();
    }
    if (barChanged && !what.all()) DrawMenuBar(owner_);
}

void MenuBar::setDpi(UINT dpi) {
    if (dpi == dpi_) return;
    dpi_ = dpi;
    if (font_) DeleteObject(font_);
    font_ = nullptr;
}

HFONT MenuBar::menuFont() {
    if (!font_) {
        NONCLIENTMETRICSW m{};
        m.cbSize = sizeof m;
        if (SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof m, &m, 0, dpi_))
            font_ = CreateFontIndirectW(&m.lfMenuFont);
    }
    return font_ ? font_ : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

bool MenuBar::measure(MEASUREITEMSTRUCT& m) {
    if (m.CtlType != ODT_MENU || m.itemData >= entries_.size()) return false;
    const Entry& e = entries_[m.itemData];
    if (!e.parent.empty()) return false;
    const std::wstring text = wide(model_.c(e.key).text);
    HDC dc = GetDC(owner_);
    HGDIOBJ old = SelectObject(dc, menuFont());
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_SINGLELINE);
    SelectObject(dc, old);
    ReleaseDC(owner_, dc);
    // The system adds its own margins on both sides of the width.
    m.itemWidth = static_cast<UINT>(r.right - r.left + CaptionSlack);
    m.itemHeight = static_cast<UINT>(std::max<LONG>(r.bottom - r.top, GetSystemMetrics(SM_CYMENU)));
    return true;
}

bool MenuBar::draw(const DRAWITEMSTRUCT& d) {
    if (d.CtlType != ODT_MENU || d.itemData >= entries_.size()) return false;
    const Entry& e = entries_[d.itemData];
    if (!e.parent.empty()) return false;
    BOOL flat = FALSE;
    SystemParametersInfoW(SPI_GETFLATMENU, 0, &flat, 0);
    const bool chosen = (d.itemState & (ODS_SELECTED | ODS_HOTLIGHT)) != 0;
    const bool grey = (d.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
    const int ground =
        chosen ? (flat ? COLOR_MENUHILIGHT : COLOR_HIGHLIGHT) : (flat ? COLOR_MENUBAR : COLOR_MENU);
    FillRect(d.hDC, &d.rcItem, GetSysColorBrush(ground));
    const std::wstring text = wide(model_.c(e.key).text);
    HGDIOBJ old = SelectObject(d.hDC, menuFont());
    SetBkMode(d.hDC, TRANSPARENT);
    SetTextColor(d.hDC, GetSysColor(grey     ? COLOR_GRAYTEXT
                                    : chosen ? COLOR_HIGHLIGHTTEXT
                                             : COLOR_MENUTEXT));
    RECT r = d.rcItem;
    UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP;
    if (d.itemState & ODS_NOACCEL) format |= DT_HIDEPREFIX;
    DrawTextW(d.hDC, text.c_str(), static_cast<int>(text.size()), &r, format);
    SelectObject(d.hDC, old);
    return true;
}

}  // namespace morvane::win32
