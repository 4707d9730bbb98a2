#pragma once

class QCoreApplication;

// Loads the toolkit's own Italian texts (file dialogs, the text boxes'
// context menu, standard buttons) into the application, from the toolkit's
// translations folder or, in a deployment, from beside the program. Returns
// false when none was found: the standard texts then stay English.
bool LoadToolkitTranslations(QCoreApplication& application);
