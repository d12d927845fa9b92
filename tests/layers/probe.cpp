// Compiled as part of one layer with PROBE_HEADER naming a header of some folder: it
// builds only when that layer's library may see that folder.
#include PROBE_HEADER

int LayerProbe() { return 0; }
