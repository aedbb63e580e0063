#include "app/form1.h"

namespace numbrel {

void Form1::Command10_Click() { finish(Outcome::Done); }
void Form1::Command11_Click() { finish(Outcome::Done); }
void Form1::Command12_Click() { finish(Outcome::Done); }
void Form1::Command13_Click() { finish(Outcome::Done); }
void Form1::Command26_Click() { finish(Outcome::Done); }

}  // namespace numbrel
