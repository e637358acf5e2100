#include "link/BusyScope.h"

BusyScope::~BusyScope()
{
    if (--d_.depth_ == 0 && d_.closePending_) {
        d_.closePending_ = false;
        d_.closeLater_();
    }
}
