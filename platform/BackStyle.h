#pragma once

// How a label or control shows its rectangle: see-through where it draws nothing (a control:
// where it shows its mask colour), or whole. The values are those of the stored BackStyle
// property.
enum class BackStyle { Transparent = 0, Opaque = 1 };
