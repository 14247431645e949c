#include "gui/GUI_GameWindow.h"

#include <memory>

#include "gamedata/Localisation.h"
#include "gui/GUI_ButtonText.h"
#include "gui/HintOffers.h"
#include "gui/WindowDirectory.h"
#include "gui/WindowManager.h"
#include "gui/WindowStyle.h"

GUI_GameWindow::GUI_GameWindow(const std::string& name, const std::string& titleKey, float width, float height,
                               bool modal)
    : GUI_Dialog(name, true)
{
    Title = titleKey.empty() ? std::string() : translate(titleKey);
    SetRect(0.0f, 0.0f, width, height);
    CentreOnScreen();
    SetRect(static_cast<float>(mRect.left), static_cast<float>(mRect.top), static_cast<float>(mRect.right),
            static_cast<float>(mRect.bottom));
    if (modal)
        GetWindowManager().SetModal(this, true);
    if (const WindowDirectory::Entry* entry = WindowDirectory::FindByName(name))
        HintOffers::Offer(entry->hint);
}

void GUI_GameWindow::Draw()
{
    if (!Visible)
        return;
    GUI_Dialog::Draw();
    DrawContents();
    WindowStyle::Flush();
    DrawChildren();
    WindowStyle::Flush();
    // The buttons again, above the contents, so a list never hides them.
    DrawButtons();
    WindowStyle::Flush();
}

GUI_GameWindow* GUI_GameWindow::FindOpen(const std::string& name)
{
    for (GUI_WindowBase* window : GetWindowManager().Windows())
        if (window->Visible && window->Name == name)
            return dynamic_cast<GUI_GameWindow*>(window);
    return nullptr;
}

void GUI_GameWindow::CloseNamed(const std::string& name)
{
    if (GUI_GameWindow* window = FindOpen(name))
        GetWindowManager().Close(window);
}

void GUI_GameWindow::CloseSelf() { GetWindowManager().Close(this); }

GUI_ButtonText* GUI_GameWindow::AddTextButton(const std::string& name, const std::string& captionKey, float x,
                                              float y, float width, GUI_ButtonBase::Callback callback, int argument)
{
    auto button = std::make_unique<GUI_ButtonText>(name, captionKey);
    button->SetRect(mRect.left + x, mRect.top + y, mRect.left + x + width, mRect.top + y + 26.0f);
    button->SetCallback(std::move(callback), argument);
    return Add(std::move(button));
}


GUI_ListArea* GUI_GameWindow::AddList(const std::string& suffix, float x, float y, float width, float height,
                                      GUI_ListArea::DrawRows drawRows)
{
    auto* list = new GUI_ListArea(Name + suffix, std::move(drawRows));
    list->SetRect(mRect.left + x, mRect.top + y, mRect.left + x + width, mRect.top + y + height);
    AddChild(list);
    return list;
}

GUI_ButtonText* GUI_GameWindow::AddListButton(GUI_ListArea& list, const std::string& name,
                                              const std::string& captionKey, float x, float y, float width,
                                              GUI_ButtonBase::Callback callback, int argument)
{
    auto* button = new GUI_ButtonText(name, captionKey);
    button->SetCallback(std::move(callback), argument);
    list.AddContentButton(button, GRect{static_cast<int>(x), static_cast<int>(y), static_cast<int>(x + width),
                                        static_cast<int>(y + 26.0f)});
    return button;
}
