#pragma once

// The read-only data of the program and of the libraries it has loaded: the program's
// compiled-in pictures, texts and screens, Unicode and locale tables, the TLS library's
// tables (its code and every page it writes are left alone).
namespace LoadedData {

// Lets go of the pages of that data the program holds. Screens read them while they are
// built (a page's pictures and compiled screens from the program's own file, Qt's
// tables, the transliteration tables, the TLS library's at its first connection), and
// every page read stayed resident, with the neighbours the read mapped along (some
// 64 KiB around it): on the playground reached through the setup some 8-12 MiB, after a
// few of the 14 language and mathematics games some 20 MiB, in both renderers. The
// pages stay in the system's file cache; what is read again maps its page again (a minor
// fault). Safe on any thread.
void releasePages();

} // namespace LoadedData
