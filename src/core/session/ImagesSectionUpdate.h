#pragma once

namespace htmlsim {

class Session;

// Writes the session's design back into its document (images, maps, canvas scripts and
// balloons); the document then counts as changed until it is saved.
void UpdateImagesSection(Session& session);

}  // namespace htmlsim
