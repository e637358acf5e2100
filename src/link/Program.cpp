#include "link/Program.h"

Program::Program(const Platform& pf) : platform(pf), LinkObject(pf.clock)
{
    LinkObject.setCommControl(pf.serial);
}
