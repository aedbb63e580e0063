#include "app/form1.h"

namespace numbrel {

void Form1::Command15_Click() { finish(Outcome::Done); }
void Form1::Command31_Click() { finish(Outcome::Done); }

}  // namespace numbrel
