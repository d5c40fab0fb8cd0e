// Portals: their timers and the enemies they send.
#include "rules/local.h"

void update_portals()
{
}
