#pragma once

// Lets screen readers name a value list by its accessible name, the row it
// belongs to ("Input 01"), as they name a spin box. On Linux, Qt 6.4 names a
// combo box after its current entry instead, so that the function lists would
// all read "Folder 0xx". Installed once, for every combo box given a name.
// Such a list gives its current entry as its text, read-only, as a named
// spin box gives its value.
void nameValueListsForScreenReaders();

class QComboBox;

// Tells screen readers that a named list shows another entry.
void announceEntryChange(QComboBox *list);
