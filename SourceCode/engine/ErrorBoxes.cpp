#include "engine/ErrorBoxes.h"

#include <string>

#include "engine/D3DEngine.h"
#include "engine/Diagnostics.h"
#include "platform/sdl/SdlMessageBox.h"

namespace ErrorBoxes {

void Install()
{
    Diagnostics::SetFatalHandler([](const std::string& line, const std::string&) {
        SdlMessageBox::Show("ERROR", line, SdlMessageBox::Icon::Error);
    });
    GetD3DEngine().SetErrorBoxHandler([](const std::string& caption, const std::string& text) {
        SdlMessageBox::Show(caption, text, SdlMessageBox::Icon::Warning);
    });
}

}  // namespace ErrorBoxes
