/* The public header compiles as C, and its layout assertions hold for the word
 * size it is compiled for (the build also compiles it for a 32-bit target). */
#include "kalvo/kalvo.h"

int kalvo_header_check_c(void) { return (int)sizeof(RepairJob) + (int)sizeof(TOptionsStruct) + RepairJobKey; }
