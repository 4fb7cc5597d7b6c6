#include "FileActions.h"

void OpenIntoEditor(TextBox&) {}
void SaveFromEditor(TextBox&) {}
