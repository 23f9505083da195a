#ifndef TARVEO_ABOUT_IDENTITY_H
#define TARVEO_ABOUT_IDENTITY_H

#include "tarveoversion.h"

// Who the program says it is: the application identity given to the
// toolkit at start-up, the version shown in the title and the About box,
// and the host that answers the update check. Written once, here.
namespace Identity {

inline constexpr char OrganisationName[] = "Olmarin d.o.o";
inline constexpr char OrganisationDomain[] = "tarveo.org";
inline constexpr char ApplicationName[] = "Tarveo";
inline constexpr char Version[] = TARVEO_VERSION;

// The update page: a secure address on this host, path and query fixed.
inline constexpr char UpdateHost[] = "updates.tarveo.org";
inline constexpr char UpdatePath[] = "/ls.php";
inline constexpr char UpdateQuery[] = "sw=kestrune-tarveo&ch=stable";

// Gives the running application its organisation, domain, name and
// version, in this order.
void apply();

} // namespace Identity

#endif
