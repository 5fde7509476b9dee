// SPDX-License-Identifier: GPL-3.0-or-later
// Included first by every header of the windows layer. Only the windows
// layer's target and those above it define TILLORA_WINDOWS_LAYER, so an
// include of such a header from the core, the widgets or printing fails to
// build, however its path is spelt.
#ifndef TILLORA_WINDOWS_LAYER
#error "a header of the windows layer is included from a lower layer"
#endif
