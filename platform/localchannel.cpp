#include "localchannel.h"
