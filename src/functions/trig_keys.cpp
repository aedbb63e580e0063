#include "app/form1.h"

namespace numbrel {

void Form1::Command28_Click() { finish(Outcome::Done); }
void Form1::Command29_Click() { finish(Outcome::Done); }
void Form1::Command30_Click() { finish(Outcome::Done); }

}  // namespace numbrel
