/* The report descriptors of the virtual mouse, written for this fixture, and the collections
   of each kind of unit.

   The mouse is a composite USB device: interface 0 is a mouse without report ids whose
   feature report carries the 64-byte blocks (65 bytes with the id byte), interface 1 holds
   a keyboard (report id 1, whose 7-byte feature report carries the commands: 8 with the
   id), consumer control (id 2) and system control (id 3). Wine 8's hidclass makes one HID
   node of one collection per device, so the bus presents each collection of interface 1
   as a node of its own, with its part of the interface's descriptor and its report id. */
#include "collections.h"

#include "vmouse_control.h"

#define MOUSE_VID 0x04D9
#define MOUSE_PID 0xA09E
#define MOUSE_VERSION 0x0100

static const unsigned char kInterface0[] = {
    0x05, 0x01, 0x09, 0x02, 0xA1, 0x01,              /* Generic Desktop, Mouse, Application */
    0x09, 0x01, 0xA1, 0x00,                          /*   Pointer, Physical */
    0x05, 0x09, 0x19, 0x01, 0x29, 0x05,              /*     Buttons 1..5 */
    0x15, 0x00, 0x25, 0x01, 0x95, 0x05, 0x75, 0x01, 0x81, 0x02,
    0x95, 0x01, 0x75, 0x03, 0x81, 0x01,              /*     padding */
    0x05, 0x01, 0x09, 0x30, 0x09, 0x31,              /*     X, Y: 16 bits, relative */
    0x16, 0x01, 0x80, 0x26, 0xFF, 0x7F, 0x75, 0x10, 0x95, 0x02, 0x81, 0x06,
    0x09, 0x38, 0x15, 0x81, 0x25, 0x7F, 0x75, 0x08, 0x95, 0x01, 0x81, 0x06, /* wheel */
    0x05, 0x0C, 0x0A, 0x38, 0x02, 0x95, 0x01, 0x81, 0x06,                   /* AC Pan */
    0xC0,
    0x06, 0x00, 0xFF, 0x09, 0x01,                    /*   vendor page: the 64-byte block */
    0x15, 0x00, 0x26, 0xFF, 0x00, 0x75, 0x08, 0x95, 0x40, 0xB1, 0x02,
    0xC0,
};

#define KEYBOARD_COLLECTION                                                                      \
  0x05, 0x01, 0x09, 0x06, 0xA1, 0x01, 0x85, 0x01,          /* Keyboard, report id 1 */           \
      0x05, 0x07, 0x19, 0xE0, 0x29, 0xE7, 0x15, 0x00, 0x25, 0x01, 0x75, 0x01, 0x95, 0x08, 0x81,  \
      0x02,                                                /*   modifiers */                     \
      0x95, 0x01, 0x75, 0x08, 0x81, 0x01,                  /*   reserved */                      \
      0x95, 0x05, 0x75, 0x01, 0x05, 0x08, 0x19, 0x01, 0x29, 0x05, 0x91, 0x02, /* LEDs */         \
      0x95, 0x01, 0x75, 0x03, 0x91, 0x01,                                                        \
      0x95, 0x06, 0x75, 0x08, 0x15, 0x00, 0x26, 0xFF, 0x00, 0x05, 0x07, 0x19, 0x00, 0x2A, 0xFF,  \
      0x00, 0x81, 0x00,                                    /*   six keys */                      \
      0x06, 0x00, 0xFF, 0x09, 0x01, 0x15, 0x00, 0x26, 0xFF, 0x00, 0x75, 0x08, 0x95, 0x07, 0xB1,  \
      0x02,                                                /*   vendor: the 7-byte command */    \
      0xC0
#define CONSUMER_COLLECTION                                                                      \
  0x05, 0x0C, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x02,          /* Consumer Control, report id 2 */   \
      0x15, 0x00, 0x26, 0xFF, 0x03, 0x19, 0x00, 0x2A, 0xFF, 0x03, 0x75, 0x10, 0x95, 0x01, 0x81,  \
      0x00, 0xC0
#define SYSTEM_COLLECTION                                                                        \
  0x05, 0x01, 0x09, 0x80, 0xA1, 0x01, 0x85, 0x03,          /* System Control, report id 3 */     \
      0x19, 0x81, 0x29, 0x83, 0x15, 0x00, 0x25, 0x01, 0x75, 0x01, 0x95, 0x03, 0x81, 0x02, 0x95,  \
      0x05, 0x81, 0x01, 0xC0

static const unsigned char kKeyboard[] = {KEYBOARD_COLLECTION};
static const unsigned char kConsumer[] = {CONSUMER_COLLECTION};
static const unsigned char kInterface1[] = {KEYBOARD_COLLECTION, CONSUMER_COLLECTION, SYSTEM_COLLECTION};

/* A three-button mouse of another maker. */
static const unsigned char kForeign[] = {
    0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x09, 0x01, 0xA1, 0x00, 0x05, 0x09, 0x19, 0x01, 0x29, 0x03,
    0x15, 0x00, 0x25, 0x01, 0x95, 0x03, 0x75, 0x01, 0x81, 0x02, 0x95, 0x01, 0x75, 0x05, 0x81, 0x01,
    0x05, 0x01, 0x09, 0x30, 0x09, 0x31, 0x15, 0x81, 0x25, 0x7F, 0x75, 0x08, 0x95, 0x02, 0x81, 0x06,
    0xC0, 0xC0,
};

#define HID_CHILD L"VMOUSE\\HID_DEVICE"
#define SLICE(from, length) kInterface1 + (from), (unsigned short)(length)

static const struct vm_collection kMouse[] = {
    {L"VMOUSE\\VID_04D9&PID_A09E&MI_00", HID_CHILD, MOUSE_VID, MOUSE_PID, MOUSE_VERSION, kInterface0,
     sizeof kInterface0, VM_DATA_CHANNEL, 65, 0},
    {L"VMOUSE\\VID_04D9&PID_A09E&MI_01&Col01", HID_CHILD, MOUSE_VID, MOUSE_PID, MOUSE_VERSION,
     SLICE(0, sizeof kKeyboard), VM_COMMAND_CHANNEL, 8, 1},
    {L"VMOUSE\\VID_04D9&PID_A09E&MI_01&Col02", HID_CHILD, MOUSE_VID, MOUSE_PID, MOUSE_VERSION,
     SLICE(sizeof kKeyboard, sizeof kConsumer), VM_NO_CHANNEL, 0, 2},
    {L"VMOUSE\\VID_04D9&PID_A09E&MI_01&Col03", HID_CHILD, MOUSE_VID, MOUSE_PID, MOUSE_VERSION,
     SLICE(sizeof kKeyboard + sizeof kConsumer, sizeof kInterface1 - sizeof kKeyboard - sizeof kConsumer),
     VM_NO_CHANNEL, 0, 3},
};

static const struct vm_collection kForeignMouse[] = {
    {L"VMOUSE\\VID_045E&PID_0040", HID_CHILD, 0x045E, 0x0040, 0x0300, kForeign, sizeof kForeign, VM_NO_CHANNEL, 0, 0},
};

/* No driver matches it: the bus itself presents it as a HID interface that cannot be opened,
   named like a HID node (so the system lists it before the mouse, as a HID device of a
   smaller vendor id would be on Windows). */
static const struct vm_collection kRefusing[] = {
    {L"HID\\VID_045E&PID_0041", L"VMOUSE\\REFUSES_OPEN", 0x045E, 0x0041, 0x0300, kForeign, sizeof kForeign,
     VM_NO_CHANNEL, 0, 0},
};

const struct vm_collection* vm_collections(unsigned kind, unsigned* count) {
  switch (kind) {
    case VMOUSE_MOUSE: *count = sizeof kMouse / sizeof kMouse[0]; return kMouse;
    case VMOUSE_FOREIGN: *count = 1; return kForeignMouse;
    case VMOUSE_FOREIGN_REFUSING: *count = 1; return kRefusing;
    default: *count = 0; return NULL;
  }
}
