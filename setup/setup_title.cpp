#include "setup/setup_title.h"

BackdropColor SetupBackdropColor()
{
    return {0, 128, 128};
}
