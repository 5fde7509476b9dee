// SPDX-License-Identifier: GPL-3.0-or-later
// Included first by every header of the startup layer. Only the startup
// layer's target and those above it define TILLORA_STARTUP_LAYER, so an
// include of such a header from a window or any lower layer fails to build,
// however its path is spelt.
#ifndef TILLORA_STARTUP_LAYER
#error "a header of the startup layer is included from a lower layer"
#endif
