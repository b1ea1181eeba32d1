// The buttons that open the help viewer, the colour-band chart and the about box.

#include "App.h"
#include "Form1.h"

namespace zen {

void Form1::Command7_Click() {}
void Form1::Command8_Click() {}
void Form1::Command10_Click() {}

}  // namespace zen
