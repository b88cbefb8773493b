// The product web site: the host name as shown to the user and as addressed.
// Addresses hold "//", so no strings file can translate them; link captions
// can be.
#pragma once

#define KVR_SITE_DISPLAY_HOST "www.sorvane.example"
#define KVR_SITE_ADDRESS "http://sorvane.example"
#define KVR_SITE_CAMPAIGN "utm_source=help&utm_medium=software&utm_campaign=SketchUp12"
