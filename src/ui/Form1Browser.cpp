// The W E V button and the homepage link, which open the browser in its frame window.

#include "App.h"
#include "Form1.h"

namespace zen {

void Form1::Command9_Click() {}
void Form1::Label25_Click() {}
void Form1::closeFrameWindow() {}

}  // namespace zen
