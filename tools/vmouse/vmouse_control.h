/* What vmousectl asks of the virtual HID bus through the bus's control interface. Shared by
   the bus driver (C, kernel headers) and vmousectl (C++, windows.h). */
#pragma once

/* {5A8C7D1E-3B4F-4C62-9E17-0D2B6A9F4E31}: the control interface of the bus. */
#define VMOUSE_CONTROL_GUID_INIT {0x5A8C7D1E, 0x3B4F, 0x4C62, {0x9E, 0x17, 0x0D, 0x2B, 0x6A, 0x9F, 0x4E, 0x31}}

#define VMOUSE_DEVICE_TYPE 0x8000u
#define VMOUSE_IOCTL(function) (((VMOUSE_DEVICE_TYPE) << 16) | ((function) << 2)) /* buffered, any access */
#define IOCTL_VMOUSE_PLUG VMOUSE_IOCTL(0x800u)
#define IOCTL_VMOUSE_UNPLUG VMOUSE_IOCTL(0x801u)
#define IOCTL_VMOUSE_LIST VMOUSE_IOCTL(0x802u)

#define VMOUSE_UNITS 8 /* units 1..8 */
#define VMOUSE_PATH_CHARS 260

enum vmouse_kind {
  VMOUSE_NONE = 0,
  VMOUSE_MOUSE = 1,          /* the composite mouse: four HID collections */
  VMOUSE_FOREIGN = 2,        /* one HID collection of another vendor */
  VMOUSE_FOREIGN_REFUSING = 3 /* a HID interface whose every open fails */
};

/* IOCTL_VMOUSE_PLUG input. Paths are DOS paths ("C:\..."), empty for a foreign device. */
struct vmouse_plug {
  unsigned int unit;
  unsigned int kind;
  wchar_t memory[VMOUSE_PATH_CHARS];
  wchar_t log[VMOUSE_PATH_CHARS];
};

/* IOCTL_VMOUSE_UNPLUG input. */
struct vmouse_unplug {
  unsigned int unit;
};

/* IOCTL_VMOUSE_LIST output: the kind of each unit, index 0 for unit 1. */
struct vmouse_list {
  unsigned int kind[VMOUSE_UNITS];
};

/* A unit's instance ids, which the HID interfaces' paths carry: "8&564d<unit>&0&<collection>"
   (4 hex digits each). vmousectl finds a unit's interfaces by it. */
#define VMOUSE_INSTANCE_FORMAT L"8&564d%04x&0&%04x"
