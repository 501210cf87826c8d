/* The HID collections a unit of the virtual bus presents, as data. */
#pragma once
#include <stddef.h>

enum { VM_NO_CHANNEL = -1, VM_DATA_CHANNEL = 0, VM_COMMAND_CHANNEL = 1 };

struct vm_collection {
  const wchar_t* device_id;  /* the bus's name for the node; hidclass names its node HID\<last part> */
  const wchar_t* compatible; /* picks the function driver from vmouse.inf (or none) */
  unsigned short vendor, product, version;
  const unsigned char* descriptor;
  unsigned short descriptor_length;
  int channel;                    /* which channel of the simulated mouse answers its features */
  unsigned short feature_length;  /* the whole feature report with its id byte; 0 = none */
  unsigned char report_id;        /* of the feature report; 0 = the collection has no ids */
};

/* The collections of one kind of unit (enum vmouse_kind); *count receives how many. */
const struct vm_collection* vm_collections(unsigned kind, unsigned* count);
