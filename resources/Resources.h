#pragma once

#include <QString>

namespace Resources {

// The built-in sample text with the given name (for example "Text1"), with CR LF line ends.
// The file's final line break is not part of the text.
QString SampleText(const QString& name);

// The stored data of the window with the given name (for example "form1"), as text.
QString StoredFormText(const QString& name);

}  // namespace Resources
