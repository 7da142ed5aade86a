#include "engine/dialog.h"

namespace engine {

void Dialog::answer(bool accepted, const std::string& text) {
    if (answered_) return;
    answered_ = true;
    accepted_ = accepted;
    if (accepted && takesText()) text_ = text;
}

}  // namespace engine
