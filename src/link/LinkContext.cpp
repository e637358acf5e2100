#include "link/LinkContext.h"

LinkContext::LinkContext(const Platform& pf) : platform(pf), LinkObject(&pf.clock)
{
    LinkObject.setCommControl(&pf.serial);
    LinkObject.setStopFlag(&conn.ShuttingDown);
    txn.Carrier = &serialTransport;
}
