#pragma once

namespace platform {

// Qt's own texts (file dialogs, standard buttons, context menus) in Dutch,
// like the rest of the program, whatever the system's language. False when
// the translations are not installed; the program then goes on in English
// for those texts.
bool installDutchQtTranslations();

}  // namespace platform
