#include "app/form1.h"

namespace numbrel {

void Form1::Command14_Click() { finish(Outcome::Done); }

}  // namespace numbrel
