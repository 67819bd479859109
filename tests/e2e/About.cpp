#include "About.h"

#include "Ui.h"

bool AboutLook::operator==(const AboutLook& other) const
{
    if (caption != other.caption || texts != other.texts || client.cx != other.client.cx ||
        client.cy != other.client.cy || places.size() != other.places.size()) {
        return false;
    }
    for (std::size_t i = 0; i < places.size(); ++i) {
        if (!EqualRect(&places[i], &other.places[i])) return false;
    }
    return true;
}

AboutLook LookOf(HWND about)
{
    AboutLook look;
    look.caption = ui::Text(about);
    look.client = ui::ClientSize(about);
    look.places.push_back(ui::RectInParent(GetDlgItem(about, Form2Id::Image2)));
    for (int id = Form2Id::Label1; id <= Form2Id::Label6; ++id) {
        look.texts.push_back(ui::Text(GetDlgItem(about, id)));
        look.places.push_back(ui::RectInParent(GetDlgItem(about, id)));
    }
    return look;
}

std::vector<HWND> AboutWindows(const KalvioApp& app)
{
    std::vector<HWND> found;
    for (HWND window : ui::TopLevelWindows(app.Pid())) {
        if (IsWindowVisible(window) && ui::ClassName(window) == AboutClass) found.push_back(window);
    }
    return found;
}

HWND ClickNumber(const KalvioApp& app)
{
    if (!ui::BringToFront(app.Main())) return nullptr;
    if (!ui::Click(app.Control(Form1Id::Label4))) return nullptr;
    HWND about = nullptr;
    ui::WaitUntil([&] { return (about = ui::FindTopLevel(app.Pid(), AboutClass)) != nullptr; });
    // Settled once it has come to the front; callers that care check that.
    if (about) ui::WaitUntil([&] { return GetForegroundWindow() == about; });
    return about;
}

bool CloseAbout(HWND about)
{
    if (!ui::BringToFront(about)) return false;
    ui::PressAltF4();
    return ui::WaitUntil([&] { return !IsWindow(about); });
}
