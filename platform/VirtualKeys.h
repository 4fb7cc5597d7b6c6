#pragma once

// The virtual-key code of a Qt key (0 for keys without one), as the controls' key events
// carry it. Letters and digits are their upper-case ASCII codes; shifted digits and
// punctuation give the key they are on (US layout).
int VirtualKeyCode(int qtKey);
