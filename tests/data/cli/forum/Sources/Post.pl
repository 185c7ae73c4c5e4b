# Posting of messages.
sub Post {
	my ($board, $subject) = @_;
	&CheckBoard($board);
	$subject =~ s/\s+$//;
	&SavePost($board, $subject);
	return 1;
}

sub Preview {
	my $text = shift;
	return &FormatText($text);
}
1;