#pragma once
// The texts of a progress dialog: the remaining count after its label, and a
// path shortened in its middle so that its drive and its name stay readable.

// Standard library
#include <functional>
#include <string>

// "%s %d": the label and the count.
std::string CounterText(const std::string& label, long count);

// The whole path when `fits` accepts it; otherwise its head and tail around
// "...", as long as `fits` accepts; "..." alone when nothing else fits.
std::string ShortenPathMiddle(const std::string& path, const std::function<bool(const std::string&)>& fits);
