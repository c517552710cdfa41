#pragma once

class TAllData;

// A project near Seville with 40 crops of varied seasons on 4000 ha.
void FortyCropProject(TAllData& data);
