#include "app/form1.h"

namespace numbrel {

void Form1::Command17_Click() { finish(Outcome::Done); }
void Form1::Command19_Click() { finish(Outcome::Done); }

}  // namespace numbrel
