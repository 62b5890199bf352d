// Helpers shared by the UI tests.
#pragma once
