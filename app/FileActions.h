#pragma once

class TextBox;

// Interim: replaced by the file actions branch.
void OpenIntoEditor(TextBox& editor);
void SaveFromEditor(TextBox& editor);
