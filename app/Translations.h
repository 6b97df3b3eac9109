#pragma once

// The language of the window's texts. The run log and quorrix-cli never change with it.
enum class UiLanguage { Chinese, English };

// QUORRIX_LANG ("zh" or "en") first, then the system locale: Chinese, and the bare C locale
// that names no language, keep the window's own Chinese; any other language gets English.
UiLanguage ChooseUiLanguage();

// Installs the translators of the language: the window's English texts, or Qt's own Chinese
// for its file dialogs, question buttons and edit menus. Both come from the resources, so an
// installed or Windows build needs no translation files beside it. False when one is missing.
bool InstallTranslations(UiLanguage language);

// The language whose texts are installed: Chinese until English is.
UiLanguage InstalledUiLanguage();

// Back to the untranslated Chinese texts (tests switch languages within one process).
void RemoveTranslations();
