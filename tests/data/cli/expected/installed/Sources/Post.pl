# Posting of messages.
sub Post {
	my ($board, $subject) = @_;
	&CheckBoard($board);
	$subject =~ s/\s+$//;
	&SavePoll($board) if $INFO{'poll'};
	&SavePost($board, $subject);
	return 2;
}

sub Preview {
	my $text = shift;
	return &FormatText($text);
}
1;