#include "app/form1.h"

namespace numbrel {

void Form1::Command20_Click() { finish(Outcome::Done); }
void Form1::Command21_Click() { finish(Outcome::Done); }
void Form1::Command22_Click() { finish(Outcome::Done); }
void Form1::Command23_Click() { finish(Outcome::Done); }
void Form1::Command24_Click() { finish(Outcome::Done); }
void Form1::Command25_Click() { finish(Outcome::Done); }
void Form1::Command27_Click() { finish(Outcome::Done); }

}  // namespace numbrel
