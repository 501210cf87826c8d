#pragma once
// Resource identifiers shared by app.rc and the code.
#define IDD_MAIN 700
#define IDD_SINGLE_KEY 701
#define IDD_WINDOWS_KEY 702
#define IDD_MEDIA_KEY 703
#define IDD_FIRE_KEY 704
#define IDD_UNUSED 706
#define IDD_SKINS 710
#define IDD_SNIPE_KEY 711
#define IDD_HOT_KEY 712
#define IDD_PROFILE_NAME 713
#define IDD_MANAGE_PROFILES 714
#define IDI_APP 720
