#pragma once

// Who plays blue: a player at the window, or the computer at one of three levels.
enum class ComputerLevel { Off, Easy, Medium, Hard };
