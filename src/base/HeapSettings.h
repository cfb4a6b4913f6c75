// HeapSettings.h - allocator settings for a short-lived process that builds big structures.
#pragma once

namespace ovbase {

// Blocks up to 32 MB come from the heap instead of mappings of their own, so that freed memory
// is reused, and the heap keeps what is freed. A big sheet is parsed through buffers of several
// MB that are freed and allocated again; each fresh mapping costs a page fault per 4 KB touched,
// which is dear on virtual machines. The heap is grown ahead by 256 MB of address space, in
// huge pages where the system grants them: a 10,000-row sheet then loads with a sixth of the
// page faults. Call first thing in main; nothing happens under allocators other than glibc's.
void keepHeapForReuse();

}  // namespace ovbase
