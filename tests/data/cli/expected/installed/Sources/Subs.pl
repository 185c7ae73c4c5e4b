# Helpers shared by every page.
sub LoadUser {
	$username = 'Guest';
}

sub FormatText {
	my $text = shift;
	$text =~ s/\n/<br>/g;
	return $text;
}

sub LoadPoll {
	return {};
}
1;
