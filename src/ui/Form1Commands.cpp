// The buttons that open the other windows, and the homepage link.

#include "App.h"
#include "Form1.h"

namespace zen {

void Form1::Command7_Click() {}
void Form1::Command8_Click() {}
void Form1::Command9_Click() {}
void Form1::Command10_Click() {}
void Form1::Label25_Click() {}
void Form1::closeFrameWindow() {}

}  // namespace zen
