#include "app/Resources.h"

#include <QtGlobal>

void InitVelmarResources() { Q_INIT_RESOURCE(velmar); }
